// versalix4 effect: applies a live effect to the selection through its
// palette, as a person would: opens the palette, sets its items (by the
// names of their labels), or chooses a preset from its menu, and presses
// Apply. The result is effect art that keeps its record in the SVG.
#include <algorithm>
#include <cmath>
#include <cctype>
#include <functional>
#include <iostream>
#include <string>
#include <vector>

#include "app/cli.h"
#include "app/document_files.h"
#include "app/effect_session.h"
#include "host/adm/user_agent.h"
#include "host/art/document_set.h"
#include "host/core/registrations.h"
#include "host/svg/svg_effect_art.h"

namespace vx::app {

namespace {

// "enabled only when shadow is on", from the field's enabling rule.
std::string EnablingText(host::adm::Dialog& palette, const VxEffectInfo& effect,
                         const VxEffectField& f) {
  const VxEffectField* by = f.enabledBy ? FieldNamed(effect, f.enabledBy) : nullptr;
  if (!by) return "";
  std::string value = std::to_string(f.enabledValue);
  if (by->unit == kVxUnitChoice) {
    host::adm::Item* item = palette.GetItem(by->item);
    host::adm::List* list = item ? item->list() : nullptr;
    if (list && f.enabledValue >= 0 && f.enabledValue < list->Count())
      value = "\"" + list->At(f.enabledValue)->text + "\"";
  }
  switch (f.enabledTest) {
    case kVxEnabledWhenOn: return "enabled only when " + std::string(by->name) + " is on";
    case kVxEnabledWhenEquals: return "enabled only when " + std::string(by->name) + " is " + value;
    default: return "enabled only when " + std::string(by->name) + " is not " + value;
  }
}

// The texts of a radio field's buttons, lower case ("outside", "inside").
std::vector<std::string> RadioNames(host::adm::Dialog& palette, const VxEffectField& f) {
  std::vector<std::string> names;
  for (int32_t k = 0; k < f.radioCount; ++k) {
    host::adm::Item* item = palette.GetItem(f.radios[k]);
    names.push_back(item ? Lower(item->Text()) : "");
  }
  return names;
}

// The palette action for FIELD=VALUE by the plug-in's binding of the
// effect's palette, or "" with *error set.
std::string ActionFor(host::adm::Dialog& palette, const VxEffectInfo& effect,
                      const std::string& setting, std::string* error) {
  using host::adm::ItemAction;
  const auto eq = setting.find('=');
  if (eq == std::string::npos) {
    *error = "--set takes FIELD=VALUE, not \"" + setting + "\"";
    return "";
  }
  const std::string field = Lower(setting.substr(0, eq));
  const std::string value = setting.substr(eq + 1);
  const VxEffectField* f = FieldNamed(effect, field);
  if (!f) {
    *error = "the Live " + std::string(effect.name) + " palette has no field \"" + field + "\"";
    if (effect.fieldCount > 0) {
      *error += "; its fields are:";
      for (int32_t i = 0; i < effect.fieldCount; ++i)
        *error += std::string(" ") + effect.fields[i].name;
    }
    return "";
  }
  switch (f->unit) {
    case kVxUnitFlag: {
      const std::string v = Lower(value);
      if (v == "on" || v == "1" || v == "yes" || v == "true")
        return ItemAction("set", f->item, "=1");
      if (v == "off" || v == "0" || v == "no" || v == "false")
        return ItemAction("set", f->item, "=0");
      *error = field + " takes on or off, not \"" + value + "\"";
      return "";
    }
    case kVxUnitChoice: {
      host::adm::Item* item = palette.GetItem(f->item);
      host::adm::List* list = item ? item->list() : nullptr;
      std::string names;
      for (int32_t i = 0; list && i < list->Count(); ++i) {
        const std::string text = Lower(list->At(i)->text);
        if (text.find(Lower(value)) != std::string::npos)
          return ItemAction("choose", f->item, "=" + std::to_string(i));
        names += (i ? ", \"" : " \"") + list->At(i)->text + "\"";
      }
      *error = field + " has no entry \"" + value + "\"; its entries are:" + names;
      return "";
    }
    case kVxUnitRadio: {
      const std::vector<std::string> names = RadioNames(palette, *f);
      for (size_t k = 0; k < names.size(); ++k)
        if (Lower(value) == names[k]) return ItemAction("press", f->radios[k]);
      *error = field + " takes";
      for (const std::string& name : names) *error += " " + name;
      *error += ", not \"" + value + "\"";
      return "";
    }
    case kVxUnitColour:
      // The host's colour picker takes #rrggbb, cmyk(C,M,Y,K) or gray(G).
      return ItemAction("colour", f->item, "=" + value);
    case kVxUnitGrid: {
      // Cell 0 (top left) to 8 (bottom right), clicked in its middle.
      host::adm::Item* item = palette.GetItem(f->item);
      char* end = nullptr;
      const long cell = std::strtol(value.c_str(), &end, 10);
      if (!item || value.empty() || *end || cell < 0 || cell > 8) {
        *error = field + " takes a cell from 0 (top left) to 8 (bottom right), not \"" + value + "\"";
        return "";
      }
      const ASRect& b = item->bounds;
      const int32_t w = b.right - b.left, h = b.bottom - b.top;
      const int32_t x = int32_t(cell % 3) * w / 3 + w / 6, y = int32_t(cell / 3) * h / 3 + h / 6;
      return ItemAction("drag", f->item, "=" + std::to_string(x) + "," + std::to_string(y));
    }
    default: {
      char* end = nullptr;
      const double number = std::strtod(value.c_str(), &end);
      if (value.empty() || *end || !std::isfinite(number)) {
        *error = field + " takes a number, not \"" + value + "\"";
        return "";
      }
      return ItemAction("set", f->item, "=" + value);
    }
  }
}

// The flyout entry of the preset (or "Default Settings"), or -1.
int32_t PresetEntry(host::adm::Dialog& palette, const std::string& preset) {
  host::adm::List* list = palette.MenuItem().list();
  for (int32_t i = 0; list && i < list->Count(); ++i) {
    std::string text = list->At(i)->text;
    if (text.starts_with(" -")) text.erase(0, 1);
    if (text == preset && text != "-") return i;
  }
  return -1;
}

int RunEffect(host::Host& host, const std::string& name, const std::vector<std::string>& settings,
              const std::string& preset) {
  auto fail = [](const std::string& what) {
    std::cerr << "versalix4: effect: " << what << "\n";
    return kExitUsage;
  };
  const int effect = FindEffect(host, name);
  if (effect < 0) {
    std::string names;
    for (const VxEffectInfo& e : Effects(host)) names += std::string(" ") + e.name;
    return fail("no effect \"" + name + "\"; the effects are:" + names);
  }
  const VxEffectInfo& info = Effects(host)[size_t(effect)];
  host::adm::Dialog* palette = OpenEffectPalette(host, effect);
  if (!palette) return kExitInternal;
  NotifySelectionChanged(host);
  if (!preset.empty()) {
    const int32_t entry = PresetEntry(*palette, preset);
    if (entry < 0) return fail("no preset \"" + preset + "\" in the palette's menu");
    // Choosing a preset applies it to the selection at once.
    if (std::string e = PerformPaletteAction(host, *palette, "choose menu=" + std::to_string(entry));
        !e.empty())
      return fail(e);
  }
  for (const std::string& setting : settings) {
    std::string error;
    const std::string action = ActionFor(*palette, info, setting, &error);
    if (action.empty()) return fail(error);
    if (std::string e = PerformPaletteAction(host, *palette, action); !e.empty()) {
      const VxEffectField* f = FieldNamed(info, Lower(setting.substr(0, setting.find('='))));
      const std::string rule = f ? EnablingText(*palette, info, *f) : "";
      return fail(setting + ": " + (rule.empty() ? e : rule));
    }
  }
  if (!preset.empty() && settings.empty()) return kExitOk;
  if (std::string e =
          PerformPaletteAction(host, *palette, host::adm::ItemAction("press", info.applyItem));
      !e.empty())
    return fail("Apply: " + e);
  return kExitOk;
}

}  // namespace

int ApplyLiveEffect(const CommonOptions& common, svg::ImportResult& document,
                    const std::string& effect,
                    const std::vector<std::string>& settings, const std::string& preset,
                    const std::function<int(const host::art::Document&)>& save) {
  return RunOnDocument(common, document,
                       [&](host::Host& host, host::art::Document& doc, const auto&) {
                         const int code = RunEffect(host, effect, settings, preset);
                         return code == kExitOk ? save(doc) : code;
                       });
}

void SetUpEffectCommand(CLI::App& app, CommonOptions& common, int& exitCode) {
  CLI::App* cmd = app.add_subcommand(
      "effect", "Apply a live effect (Border, Circle, ... Trail) to the selected objects");
  static std::string name, input, output, preset;
  static std::vector<std::string> settings;
  cmd->add_option("name", name, "The effect, as its palette is named (Live NAME)")->required();
  cmd->add_option("input", input, "The SVG file to read")->required();
  AddOutputOptions(*cmd, output, common, "The SVG file");
  cmd->add_option("--set", settings,
                  "FIELD=VALUE: a palette field, in the units the palette shows (an unknown "
                  "field lists the palette's fields)");
  cmd->add_option("--preset", preset, "Apply a preset of the palette's menu (or \"Default Settings\")");
  AddCommonOptions(*cmd, common);
  cmd->callback([&common, &exitCode] {
    if ((exitCode = CheckOutputTarget(input, output, common))) return;
    svg::ImportResult document;
    if ((exitCode = ReadSvgDocument(input, &document))) return;
    exitCode = ApplyLiveEffect(common, document, name, settings, preset,
                               [&](const host::art::Document& doc) {
                                 return WriteSvgDocument(output, doc, &document.kept);
                               });
  });
}

}  // namespace vx::app
