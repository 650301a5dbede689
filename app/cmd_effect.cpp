// versalix4 effect: applies a live effect to the selection through its
// palette, as a person would: opens the palette, sets its items (by the
// names of their labels), or chooses a preset from its menu, and presses
// Apply. The result is effect art that keeps its record in the SVG.
#include <algorithm>
#include <cmath>
#include <cctype>
#include <functional>
#include <cstring>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "app/cli.h"
#include "app/console_agent.h"
#include "app/document_files.h"
#include "app/effect_session.h"
#include "host/adm/dialog_manager.h"
#include "host/adm/user_agent.h"
#include "host/art/document_set.h"
#include "host/core/registrations.h"
#include "host/svg/svg_effect_art.h"

namespace vx::app {

namespace {

// The value of a field as --set takes it: "on", "\"Manual Steps\"", "inside".
std::string ValueText(host::adm::Dialog& palette, const VxEffectField& f, int32_t value) {
  if (f.unit == kVxUnitFlag) return value ? "on" : "off";
  if (f.unit == kVxUnitRadio && value >= 0 && value < f.radioCount) {
    host::adm::Item* item = palette.GetItem(f.radios[value]);
    if (item) return Lower(item->Text());
  }
  if (f.unit == kVxUnitChoice) {
    host::adm::Item* item = palette.GetItem(f.item);
    host::adm::List* list = item ? item->list() : nullptr;
    if (list && value >= 0 && value < list->Count())
      return "\"" + list->At(value)->text + "\"";
  }
  return std::to_string(value);
}

// "needs shadow=on", from the field's enabling rule; "" when it has none.
std::string EnablingText(host::adm::Dialog& palette, const VxEffectInfo& effect,
                         const VxEffectField& f) {
  const VxEffectField* by = f.enabledBy ? FieldNamed(effect, f.enabledBy) : nullptr;
  if (!by) return "";
  const std::string name = by->name;
  switch (f.enabledTest) {
    case kVxEnabledWhenOn: return "needs " + name + "=" + ValueText(palette, *by, 1);
    case kVxEnabledWhenEquals:
      return "needs " + name + "=" + ValueText(palette, *by, f.enabledValue);
    default: return "needs " + name + " other than " + ValueText(palette, *by, f.enabledValue);
  }
}

// The unit a palette shows a number field in.
std::string UnitText(const VxEffectField& f) {
  switch (f.unit) {
    case kVxUnitPercent: return "%";
    case kVxUnitDegrees: return "°";
    case kVxUnitPoints: return "pt";
    default: return "";
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
      // The whole entry first ("Steps" is not "Manual Steps"), then a part.
      for (int32_t i = 0; list && i < list->Count(); ++i)
        if (Lower(list->At(i)->text) == Lower(value))
          return ItemAction("choose", f->item, "=" + std::to_string(i));
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
      const bool whole = f->unit != kVxUnitInteger || number == std::floor(number);
      if (value.empty() || *end || !std::isfinite(number) || !whole) {
        *error = field + " takes " + (f->unit == kVxUnitInteger ? "a whole number" : "a number") +
                 ", not \"" + value + "\"";
        return "";
      }
      const host::adm::Item* item = palette.GetItem(f->item);
      if (item && (number < item->min() || number > item->max())) {
        *error = field + " takes " + RangeText(item->min(), item->max(), UnitText(*f)) +
                 ", not " + value;
        return "";
      }
      return ItemAction("set", f->item, "=" + value);
    }
  }
}

// Settings whose field another one enables come after the others, so that
// "--set tint=60 --set shadow=on" works in either order.
std::vector<std::string> EnablersFirst(const VxEffectInfo& effect,
                                       std::vector<std::string> settings) {
  std::stable_partition(settings.begin(), settings.end(), [&](const std::string& setting) {
    const VxEffectField* f = FieldNamed(effect, Lower(setting.substr(0, setting.find('='))));
    return !f || !f->enabledBy;
  });
  return settings;
}

// Whether art draws anything: a path with segments, text, a kept element.
bool Draws(const host::art::Art& art) {
  using host::art::ArtKind;
  switch (art.kind()) {
    case ArtKind::Path: return !art.path().segments.empty();
    case ArtKind::Group:
    case ArtKind::CompoundPath:
      for (const host::art::Art* c = art.firstChild(); c; c = c->sibling())
        if (Draws(*c)) return true;
      return false;
    case ArtKind::PluginGroup: return art.resultGroup() && Draws(*art.resultGroup());
    default: return true;
  }
}

// Whether any path or text run of the art has stroke paint.
bool HasStroke(const host::art::Art& art) {
  if (const AIPathStyle* style = art.style(); style && style->strokePaint) return true;
  for (const host::art::Art* c = art.firstChild(); c; c = c->sibling())
    if (HasStroke(*c)) return true;
  return art.kind() == host::art::ArtKind::PluginGroup && art.editGroup() &&
         HasStroke(*art.editGroup());
}

// A warning naming the selected objects for which the effect's art drew
// nothing (the effect's result would make them vanish), with the cause when
// the effect's row names it (steps taken from a stroke the art lacks);
// "" when none.
std::string EmptyResults(host::Host& host, host::art::Document& doc, int effect,
                         host::adm::Dialog& palette, const std::vector<host::art::Art*>& selection) {
  const VxEffectInfo& info = Effects(host)[size_t(effect)];
  const VxEffectField* steps = info.strokeStepsField ? FieldNamed(info, info.strokeStepsField) : nullptr;
  const host::adm::Item* mode = steps ? palette.GetItem(steps->item) : nullptr;
  const bool strokeSteps = mode && int32_t(mode->Value()) != info.manualSteps;
  std::string names, strokeless;
  for (host::art::Art* art : AllEffectArt(doc)) {
    const host::PluginGroup* group = host.registrations().FindPluginGroup(art->plugin().group);
    if (!group || EffectOfGroupName(host, group->name) != effect || Draws(*art)) continue;
    for (const host::art::Art* source : selection) {
      if (!source->isWithin(art)) continue;
      std::string& list = strokeSteps && !HasStroke(*source) ? strokeless : names;
      list += (list.empty() ? "" : ", ") + NameOf(*source);
    }
  }
  const std::string effectName = info.name;
  std::string warning;
  if (!strokeless.empty())
    warning = "Live " + effectName + " drew nothing for " + strokeless + ": " +
              (strokeless.find(',') == std::string::npos ? "it has" : "they have") +
              " no stroke, and " + steps->name + "=" + ValueText(palette, *steps, int32_t(mode->Value())) +
              " takes the steps from the stroke width (give the art a stroke, or --set " +
              steps->name + "=" + ValueText(palette, *steps, info.manualSteps) + ")";
  if (!names.empty())
    warning += (warning.empty() ? "" : "\n") + std::string("Live ") + effectName +
               " drew nothing for " + names + ": with these settings they would vanish (versalix4 effect " +
               effectName + " --help lists its settings)";
  return warning;
}

// Warnings naming the selected objects that the effect did not take as a
// whole: those left as they were (a clipping path ...), and groups it took
// apart, giving each object inside its own effect art (a group holding
// text). After Apply an object taken whole lies within the effect's art, or
// was its art, released and wrapped again (no longer live). Kept elements
// are named before the work instead (UntouchedNote). None when it took all.
std::vector<std::string> SkippedObjects(host::Host& host, host::art::Document& doc, int effect,
                                        const std::vector<host::art::Art*>& selection) {
  std::vector<const host::art::Art*> made;
  for (host::art::Art* art : AllEffectArt(doc)) {
    const host::PluginGroup* group = host.registrations().FindPluginGroup(art->plugin().group);
    if (group && EffectOfGroupName(host, group->name) == effect) made.push_back(art);
  }
  std::vector<std::string> left, apart;
  size_t given = 0;
  for (const host::art::Art* source : selection) {
    if (source->kind() == host::art::ArtKind::Opaque || !doc.IsLive(source)) continue;
    ++given;
    auto any = [&](auto test) { return std::any_of(made.begin(), made.end(), test); };
    if (any([&](const host::art::Art* art) { return source->isWithin(art); })) continue;
    const bool inside = any([&](const host::art::Art* art) { return art->isWithin(source); });
    (inside ? apart : left).push_back(NameOf(*source) + " (" + TypeName(*source) + ")");
  }
  const std::string effectName = "Live " + std::string(Effects(host)[size_t(effect)].name);
  std::vector<std::string> warnings = {
      LeftAsTheyWere(effectName, left, given,
                     "a live effect takes paths, compound paths, text and groups, but no "
                     "clipping path: select the parts of these on their own")};
  if (!apart.empty()) {
    std::string list;
    for (const std::string& name : apart) list += (list.empty() ? "" : ", ") + name;
    warnings.push_back(effectName + " took " + list +
                       " apart: a group that holds text cannot be one effect's source, so each "
                       "object in it got its own (select the group's objects without the text "
                       "to keep them under one effect)");
  }
  return warnings;
}

int RunEffect(host::Host& host, const CommonOptions& common, host::art::Document& doc,
              const std::vector<host::art::Art*>& selection, const std::string& name,
              const std::vector<std::string>& settings, const std::string& preset) {
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
  // The Default Setting is chosen before the objects are selected, as a user
  // would to start afresh: choosing a preset applies it to the selection.
  if (preset.empty() && !common.last) SelectOnly(doc, {});
  host::adm::Dialog* palette = OpenEffectPalette(host, effect);
  if (!palette) return kExitInternal;
  NotifySelectionChanged(host);
  if (preset.empty() && !common.last) {
    if (std::string e = PerformPaletteAction(
            host, *palette, "choose menu=" + std::to_string(kDefaultSettingsEntry));
        !e.empty())
      return fail(e);
    SelectOnly(doc, selection);
    NotifySelectionChanged(host);
  }
  if (!preset.empty()) {
    const int32_t entry = PresetEntry(*palette, preset);
    if (entry < 0) return fail("no preset \"" + preset + "\" in the palette's menu");
    // Choosing a preset applies it to the selection at once.
    if (std::string e = PerformPaletteAction(host, *palette, "choose menu=" + std::to_string(entry));
        !e.empty())
      return fail(e);
  }
  for (const std::string& setting : EnablersFirst(info, settings)) {
    std::string error;
    const std::string action = ActionFor(*palette, info, setting, &error);
    if (action.empty()) return fail(error);
    if (std::string e = PerformPaletteAction(host, *palette, action); !e.empty()) {
      const VxEffectField* f = FieldNamed(info, Lower(setting.substr(0, setting.find('='))));
      const std::string rule = f ? EnablingText(*palette, info, *f) : "";
      return fail(rule.empty() ? setting + ": " + e : std::string(f->name) + " " + rule);
    }
  }
  if (!preset.empty() && settings.empty()) return kExitOk;
  if (std::string e =
          PerformPaletteAction(host, *palette, host::adm::ItemAction("press", info.applyItem));
      !e.empty())
    return fail(e);
  return kExitOk;
}

// The palette's fields as --set takes them: name, values (range and unit,
// entries or buttons) and the rule that enables the field.
std::string DescribeFields(host::adm::Dialog& palette, const VxEffectInfo& effect) {
  std::ostringstream out;
  out << "Fields of the Live " << effect.name << " palette (--set FIELD=VALUE):\n";
  if (effect.fieldCount == 0) out << "  none yet: the effect draws with its factory values and presets\n";
  for (int32_t i = 0; i < effect.fieldCount; ++i) {
    const VxEffectField& f = effect.fields[i];
    host::adm::Item* item = palette.GetItem(f.item);
    std::string values;
    if (f.unit == kVxUnitFlag) {
      values = "on or off";
    } else if (f.unit == kVxUnitRadio) {
      for (const std::string& name : RadioNames(palette, f))
        values += (values.empty() ? "" : " or ") + name;
    } else if (f.unit == kVxUnitChoice) {
      for (int32_t k = 0; item && item->list() && k < item->list()->Count(); ++k)
        values += (k ? ", " : "") + ValueText(palette, f, k);
    } else if (item) {
      values = RangeText(item->min(), item->max(), UnitText(f)) +
               (f.unit == kVxUnitInteger ? ", whole" : "");
    }
    const std::string rule = EnablingText(palette, effect, f);
    out << "  " << f.name << std::string(f.name && std::strlen(f.name) < 16 ? 16 - std::strlen(f.name) : 1, ' ')
        << values << (rule.empty() ? "" : "; " + rule) << "\n";
  }
  return out.str();
}

// The help of `effect NAME`: the fields of its palette, read from the
// running plug-in.
std::string EffectHelp(const CommonOptions& common, const std::string& name) {
  int failure = kExitInternal;
  auto host = MakeHost(common, &failure);
  if (!host || host->Startup()) return "";
  std::string text;
  const int effect = FindEffect(*host, name);
  if (effect < 0) {
    text = "No effect \"" + name + "\"; the effects are:";
    for (const VxEffectInfo& e : Effects(*host)) text += std::string(" ") + e.name;
    text += "\n";
  } else {
    ConsoleAgent console(*host, std::cerr);
    if (host::adm::Dialog* palette = OpenEffectPalette(*host, effect))
      text = DescribeFields(*palette, Effects(*host)[size_t(effect)]);
  }
  host->Shutdown();
  return text;
}

}  // namespace

int ApplyLiveEffect(const CommonOptions& common, svg::ImportResult& document,
                    const std::string& effect,
                    const std::vector<std::string>& settings, const std::string& preset,
                    const std::function<int(const host::art::Document&)>& save) {
  return RunOnDocument(common, document,
                       [&](host::Host& host, host::art::Document& doc, const auto& selection) {
                         int code =
                             RunEffect(host, common, doc, selection, effect, settings, preset);
                         if (code != kExitOk) return code;
                         const int index = FindEffect(host, effect);
                         host::adm::Dialog* palette =
                             host.dialogs().DialogNamed(Effects(host)[size_t(index)].paletteName);
                         if (!palette) return int(kExitInternal);
                         std::vector<std::string> warnings = SkippedObjects(host, doc, index, selection);
                         warnings.push_back(EmptyResults(host, doc, index, *palette, selection));
                         std::erase(warnings, std::string());
                         if ((code = CheckWarnings(host, common, warnings))) return code;
                         return save(doc);
                       });
}

void SetUpEffectCommand(CLI::App& app, CommonOptions& common, int& exitCode) {
  CLI::App* cmd = app.add_subcommand(
      "effect", "Apply a live effect (Border, Circle, ... Trail) to the selected objects");
  if (!SetsUpOptions(*cmd, common)) return;
  static std::string name, input, output, preset;
  static std::vector<std::string> settings;
  cmd->add_option("name", name, "The effect, as its palette is named (Live NAME)")->required();
  cmd->add_option("input", input, "The SVG file to read")->required();
  AddOutputOptions(*cmd, output, common, "The SVG file");
  cmd->add_option("--set", settings,
                  "FIELD=VALUE: a palette field, in the units the palette shows (an unknown "
                  "field lists the palette's fields)");
  cmd->add_option("--preset", preset, "Apply a preset of the palette's menu (or \"Default Settings\")");
  AddLastOption(*cmd, common);
  AddCommonOptions(*cmd, common);
  // "effect NAME --help" adds the fields of the effect's palette.
  cmd->footer([&common] {
    return name.empty() ? std::string("versalix4 effect NAME --help lists the fields of NAME's palette.")
                        : EffectHelp(common, name);
  });
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
