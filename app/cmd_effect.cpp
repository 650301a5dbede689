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
#include "host/art/document_set.h"
#include "host/core/registrations.h"
#include "host/svg/svg_effect_art.h"

namespace vx::app {

namespace {

// A palette item as the command line names it.
struct FieldSpec {
  const char* field;  // "steps-mode"
  enum Kind { Number, Toggle, List, Choice } kind;
  int32_t item;
  // Choice: the radio buttons' values and ids ("outside" 19, "inside" 20).
  std::vector<std::pair<const char*, int32_t>> choices;
};

// The palettes' fields, by effect. Effects whose own items are not built
// yet take presets only.
const std::vector<FieldSpec>& FieldsOf(int effect) {
  static const std::vector<FieldSpec> kBorder = {
      {"gradient-arc", FieldSpec::Number, 2, {}},
      {"reverse", FieldSpec::Toggle, 8, {}},
      {"steps-mode", FieldSpec::List, 9, {}},
      {"steps", FieldSpec::Number, 11, {}},
      {"offset", FieldSpec::Number, 13, {}},
      {"angle", FieldSpec::Number, 17, {}},
      {"style", FieldSpec::Choice, 0, {{"outside", 19}, {"inside", 20}}},
      {"shadow", FieldSpec::Toggle, 21, {}},
      {"tint", FieldSpec::Number, 23, {}},
      {"shadow-offset", FieldSpec::Number, 26, {}},
      {"light-angle", FieldSpec::Number, 30, {}},
  };
  static const std::vector<FieldSpec> kNone;
  return effect == 0 ? kBorder : kNone;
}

// The palette action for FIELD=VALUE, or "" with *error set.
std::string ActionFor(const host::adm::Dialog& palette, int effect, const std::string& setting,
                      std::string* error) {
  const auto eq = setting.find('=');
  if (eq == std::string::npos) {
    *error = "--set takes FIELD=VALUE, not \"" + setting + "\"";
    return "";
  }
  const std::string field = Lower(setting.substr(0, eq));
  const std::string value = setting.substr(eq + 1);
  const auto& fields = FieldsOf(effect);
  auto spec = std::find_if(fields.begin(), fields.end(),
                           [&](const FieldSpec& f) { return field == f.field; });
  if (spec == fields.end()) {
    *error = "the Live " + std::string(EffectNames()[size_t(effect)].name) +
             " palette has no field \"" + field + "\"";
    if (!fields.empty()) {
      *error += "; its fields are:";
      for (const FieldSpec& f : fields) *error += std::string(" ") + f.field;
    }
    return "";
  }
  const std::string id = std::to_string(spec->item);
  switch (spec->kind) {
    case FieldSpec::Number: {
      char* end = nullptr;
      const double number = std::strtod(value.c_str(), &end);
      if (value.empty() || *end || !std::isfinite(number)) {
        *error = field + " takes a number, not \"" + value + "\"";
        return "";
      }
      return "set " + id + "=" + value;
    }
    case FieldSpec::Toggle: {
      const std::string v = Lower(value);
      if (v == "on" || v == "1" || v == "yes" || v == "true") return "set " + id + "=1";
      if (v == "off" || v == "0" || v == "no" || v == "false") return "set " + id + "=0";
      *error = field + " takes on or off, not \"" + value + "\"";
      return "";
    }
    case FieldSpec::List: {
      const host::adm::Item* item = palette.GetItem(spec->item);
      const host::adm::List* list = item ? const_cast<host::adm::Item*>(item)->list() : nullptr;
      std::string names;
      for (int32_t i = 0; list && i < list->Count(); ++i) {
        const std::string text = Lower(list->At(i)->text);
        if (text.find(Lower(value)) != std::string::npos) return "choose " + id + "=" + std::to_string(i);
        names += (i ? ", \"" : " \"") + list->At(i)->text + "\"";
      }
      *error = field + " has no entry \"" + value + "\"; its entries are:" + names;
      return "";
    }
    case FieldSpec::Choice:
      for (const auto& [name, item] : spec->choices)
        if (Lower(value) == name) return "press " + std::to_string(item);
      *error = field + " takes";
      for (const auto& [name, item] : spec->choices) *error += std::string(" ") + name;
      *error += ", not \"" + value + "\"";
      return "";
  }
  return "";
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

int RunEffect(host::Host& host, int effect, const std::vector<std::string>& settings,
              const std::string& preset) {
  host::adm::Dialog* palette = OpenEffectPalette(host, effect);
  if (!palette) return kExitInternal;
  NotifySelectionChanged(host);
  auto fail = [](const std::string& what) {
    std::cerr << "versalix4: effect: " << what << "\n";
    return kExitUsage;
  };
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
    const std::string action = ActionFor(*palette, effect, setting, &error);
    if (action.empty()) return fail(error);
    if (std::string e = PerformPaletteAction(host, *palette, action); !e.empty())
      return fail(setting + ": " + e);
  }
  if (!preset.empty() && settings.empty()) return kExitOk;
  const int32_t apply = ItemWithText(*palette, "Apply");
  if (!apply) return fail("the palette has no Apply button");
  if (std::string e = PerformPaletteAction(host, *palette, "press " + std::to_string(apply));
      !e.empty())
    return fail("Apply: " + e);
  return kExitOk;
}

}  // namespace

int ApplyLiveEffect(const CommonOptions& common, svg::ImportResult& document, int effect,
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
  cmd->add_option("name", name, "The effect: Border, Circle, Cutout, Emboss, Explosion, Frame, "
                                "Galaxy, Generation, Neon, Reflections, Shadow, Tiling, Trail")
      ->required();
  cmd->add_option("input", input, "The SVG file to read")->required();
  AddOutputOptions(*cmd, output, common, "The SVG file");
  cmd->add_option("--set", settings,
                  "FIELD=VALUE: a palette item, in the units the palette shows "
                  "(Border: gradient-arc, reverse, steps-mode, steps, offset, angle, "
                  "style, shadow, tint, shadow-offset, light-angle)");
  cmd->add_option("--preset", preset, "Apply a preset of the palette's menu (or \"Default Settings\")");
  AddCommonOptions(*cmd, common);
  cmd->callback([&common, &exitCode] {
    const int effect = FindEffect(name);
    if (effect < 0) {
      std::cerr << "versalix4: effect: no effect \"" << name << "\"\n";
      exitCode = kExitUsage;
      return;
    }
    if ((exitCode = CheckOutputTarget(input, output, common))) return;
    svg::ImportResult document;
    if ((exitCode = ReadSvgDocument(input, &document))) return;
    exitCode = ApplyLiveEffect(common, document, effect, settings, preset,
                               [&](const host::art::Document& doc) {
                                 return WriteSvgDocument(output, doc, &document.kept);
                               });
  });
}

}  // namespace vx::app
