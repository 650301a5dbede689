#include "app/inkscape_extensions.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <map>
#include <optional>

#include "app/cli.h"
#include "app/console_agent.h"
#include "app/effect_session.h"
#include "app/plugin_catalog.h"
#include "generated/resource_ids.h"
#include "host/adm/dialog_manager.h"
#include "host/adm/dialog_template.h"
#include "host/adm/user_agent.h"
#include "host/core/messages.h"
#include "host/core/registrations.h"

namespace vx::app {

namespace {

// The hidden parameter of every page naming its versalix4 command.
constexpr const char* kCommandParam = "vx-command";
constexpr const char* kPresetParam = "preset";
constexpr const char* kKindParam = "kind";

// A number parameter of a filter dialog: its edit item in the dialog's
// template gives the range, precision and value, the items before and after
// it the label and unit.
struct DialogNumber {
  const char* param;   // the Inkscape parameter
  int32_t item;        // the dialog's edit
  const char* option;  // the versalix4 option, or a triple's option
  int triple;          // -1 alone, else the place in the option's "x,y,z"
  const char* prefix;  // before the template's label
};

namespace T3 = res::Transform3DDialog;
namespace Fr = res::FractalizeDialog;

// Each rotation axis is a run of four items: label, edit, unit, slider.
constexpr DialogNumber kTransformNumbers[] = {
    {"pre-x", T3::kPreX, "--pre", 0, "Rotation before, "},
    {"pre-y", T3::kPreX + 4, "--pre", 1, "Rotation before, "},
    {"pre-z", T3::kPreX + 8, "--pre", 2, "Rotation before, "},
    {"post-x", T3::kPostX, "--post", 0, "Rotation after, "},
    {"post-y", T3::kPostX + 4, "--post", 1, "Rotation after, "},
    {"post-z", T3::kPostX + 8, "--post", 2, "Rotation after, "},
    {"perspective", T3::kPerspective, "--perspective", -1, ""},
};
constexpr DialogNumber kFractalizeNumbers[] = {
    {"height", Fr::kHeight, "--height", -1, ""},
    {"density", Fr::kDensity, "--density", -1, ""},
    {"distortion", Fr::kUnevenPercent, "--distortion", -1, ""},
};

// The pages and what each runs: the command, and for effects the effect.
enum class Page { Transform, Fractalize, Effect, Update, Expand, Release };

std::string Escape(const std::string& text) {
  std::string out;
  for (char c : text) {
    switch (c) {
      case '&': out += "&amp;"; break;
      case '<': out += "&lt;"; break;
      case '>': out += "&gt;"; break;
      case '"': out += "&quot;"; break;
      default: out += c;
    }
  }
  return out;
}

std::string Slug(const std::string& name) {
  std::string out;
  for (char c : Lower(name)) {
    if (std::isalnum(static_cast<unsigned char>(c))) out += c;
    else if (!out.empty() && out.back() != '-') out += '-';
  }
  while (!out.empty() && out.back() == '-') out.pop_back();
  return out;
}

// A number as an .inx attribute or value: "-360", "0.5".
std::string Number(double value) { return NumberText(value); }

std::string Attr(const char* name, const std::string& value) {
  return std::string(" ") + name + "=\"" + Escape(value) + "\"";
}

// Parameter elements, one a line, indented for the page.
struct PageWriter {
  std::string body;
  void Param(const std::string& name, const std::string& type, const std::string& label,
             const std::string& attributes, const std::string& content) {
    body += "  <param" + Attr("name", name) + Attr("type", type) +
            (label.empty() ? "" : Attr("gui-text", label)) + attributes + ">" + content +
            "</param>\n";
  }
  void Hidden(const std::string& name, const std::string& value) {
    body += "  <param" + Attr("name", name) + " type=\"string\" gui-hidden=\"true\">" +
            Escape(value) + "</param>\n";
  }
  void Float(const std::string& name, const std::string& label, double min, double max,
             int32_t precision, double value) {
    Param(name, "float", label,
          Attr("precision", std::to_string(precision)) + Attr("min", Number(min)) +
              Attr("max", Number(max)),
          Number(std::clamp(value, min, max)));
  }
  void Int(const std::string& name, const std::string& label, double min, double max,
           double value) {
    // Inkscape's whole numbers are 32-bit.
    min = std::clamp(std::ceil(min), -2147483647.0, 2147483647.0);
    max = std::clamp(std::floor(max), min, 2147483647.0);
    Param(name, "int", label, Attr("min", Number(min)) + Attr("max", Number(max)),
          Number(std::round(std::clamp(value, min, max))));
  }
  void Bool(const std::string& name, const std::string& label, bool value) {
    Param(name, "bool", label, "", value ? "true" : "false");
  }
  // Inkscape starts an option group on its first option: the current value
  // is put first, the others follow in their order.
  void Options(const std::string& name, const std::string& label, const char* appearance,
               const std::vector<std::pair<std::string, std::string>>& options, size_t current) {
    std::string content = "\n";
    auto add = [&](const std::pair<std::string, std::string>& o) {
      content += "    <option" + Attr("value", o.first) + ">" + Escape(o.second) + "</option>\n";
    };
    if (current < options.size()) add(options[current]);
    for (size_t i = 0; i < options.size(); ++i)
      if (i != current) add(options[i]);
    Param(name, "optiongroup", label, Attr("appearance", appearance), content + "  ");
  }
  void Text(const std::string& name, const std::string& label, const std::string& value) {
    Param(name, "string", label, "", Escape(value));
  }
};

std::string InxText(const std::string& title, const std::string& id, const std::string& body,
                    const std::string& tip) {
  return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
         "<!-- Written by versalix4 inkscape install; versalix4 inkscape uninstall removes it. -->\n"
         "<inkscape-extension xmlns=\"http://www.inkscape.org/namespace/inkscape/extension\">\n"
         "  <name>" + Escape(title) + "</name>\n"
         "  <id>org.versalix4." + id + "</id>\n" + body +
         "  <effect>\n"
         "    <object-type>all</object-type>\n"
         "    <effects-menu>\n"
         "      <submenu name=\"VERSALiX4\"/>\n"
         "    </effects-menu>\n"
         "    <menu-tip>" + Escape(tip) + "</menu-tip>\n"
         "  </effect>\n"
         "  <script>\n"
         "    <command location=\"inx\">" + std::string(kInkscapeLauncher) + "</command>\n"
         "  </script>\n"
         "</inkscape-extension>\n";
}

std::optional<host::adm::DialogTemplate> Template(const host::PluginModule& module,
                                                  int32_t id, std::string* error) {
  const VxResource* r = module.FindResource(kVxDialogResource, id);
  if (!r) {
    *error = "the plug-in has no dialog " + std::to_string(id);
    return std::nullopt;
  }
  return host::adm::ParseDialogTemplate(
      std::string_view(static_cast<const char*>(r->data), r->size), error);
}

const host::adm::ItemTemplate* ItemOf(const host::adm::DialogTemplate& t, int32_t id) {
  for (const host::adm::ItemTemplate& item : t.items)
    if (item.id == id) return &item;
  return nullptr;
}

// A filter dialog's item values on its Default Settings: the dialog is
// opened as its menu command opens it, set to Default Settings, read and
// cancelled.
class DefaultsReader : public host::adm::UserAgent {
 public:
  DefaultsReader(int32_t templateId, int32_t presetMenu, ConsoleAgent& console)
      : templateId_(templateId), presetMenu_(presetMenu), console_(console) {}
  void RunModal(host::adm::DialogDriver& driver) override {
    if (driver.dialog().templateId() != templateId_) return console_.RunModal(driver);
    error = driver.Choose(presetMenu_, kDefaultSettingsEntry);
    for (host::adm::Item* item : driver.dialog().Items()) values[item->id()] = item->Value();
    driver.Press(kADMCancelItemID);
    read = error.empty();
  }
  std::map<int32_t, double> values;
  std::string error;
  bool read = false;

 private:
  int32_t templateId_, presetMenu_;
  ConsoleAgent& console_;
};

std::map<int32_t, double> DialogDefaults(host::Host& host, const std::string& filterTitle,
                                         int32_t templateId, int32_t presetMenu,
                                         std::string* error) {
  host::Filter* filter = host.registrations().FilterTitled(filterTitle);
  if (!filter) {
    *error = "the plug-in registered no filter \"" + filterTitle + "\"";
    return {};
  }
  ConsoleAgent console(host, std::cerr);
  DefaultsReader reader(templateId, presetMenu, console);
  host.dialogs().SetAgent(&reader);
  host::SendFilterGetParameters(host, reinterpret_cast<AIFilterHandle>(filter));
  host.dialogs().SetAgent(nullptr);
  if (!reader.read)
    *error = "cannot read the Default Settings of " + filterTitle + " " + reader.error;
  return reader.values;
}

// "Height (%)": the label before an edit and the unit after it.
std::string EditLabel(const host::adm::DialogTemplate& t, int32_t item, bool withUnit = true) {
  const host::adm::ItemTemplate* label = ItemOf(t, item - 1);
  const host::adm::ItemTemplate* unit = withUnit ? ItemOf(t, item + 1) : nullptr;
  std::string text = label ? label->text : "";
  if (!text.empty() && text.back() == ':') text.pop_back();
  if (unit && !unit->text.empty() && unit->kind == host::adm::ItemKind::StaticText)
    text += " (" + unit->text + ")";
  return text;
}

bool AddDialogNumbers(const host::PluginModule& module, int32_t dialog,
                      std::span<const DialogNumber> numbers,
                      const std::map<int32_t, double>& defaults, PageWriter& page,
                      std::string* error) {
  const auto t = Template(module, dialog, error);
  if (!t) return false;
  for (const DialogNumber& n : numbers) {
    const host::adm::ItemTemplate* item = ItemOf(*t, n.item);
    if (!item) {
      *error = "the dialog " + std::to_string(dialog) + " has no item " + std::to_string(n.item);
      return false;
    }
    page.Float(n.param, n.prefix + EditLabel(*t, n.item), item->Number("min").value_or(-1e6),
               item->Number("max").value_or(1e6), int32_t(item->Number("precision").value_or(2)),
               defaults.count(n.item) ? defaults.at(n.item) : 0);
  }
  return true;
}

void TransformPage(host::Host& host, const host::PluginModule& module, PageWriter& page,
                   std::string* error) {
  const std::map<int32_t, double> defaults =
      DialogDefaults(host, FilterTitle(module, kVxPresetOwnerTransform), res::kTransform3DDialog, T3::kPresetMenu, error);
  if (!error->empty()) return;
  page.Text(kPresetParam, "Preset (empty: the values below)", "");
  page.body += "  <param name=\"kind\" type=\"notebook\">\n";
  for (const TransformKind& kind : TransformKinds(module)) {
    PageWriter rows;
    for (const ValueRow& row : kind.rows) {
      std::string label = row.label;
      if (!label.empty() && label.back() == ':') label.pop_back();
      rows.Float(kind.presetName + "-" + std::to_string(row.number),
                 label + (row.unit.empty() ? "" : " (" + row.unit + ")"), row.min, row.max, 2,
                 row.standard);
    }
    if (kind.rows.empty()) rows.body += "  <label>No values: the cursor places it.</label>\n";
    page.body += "  <page" + Attr("name", kind.presetName) + Attr("gui-text", kind.name) + ">\n" +
                 rows.body + "  </page>\n";
  }
  page.body += "  </param>\n";
  AddDialogNumbers(module, res::kTransform3DDialog, kTransformNumbers, defaults, page, error);
  page.Bool("before", "Only the rotation before", false);
  page.Bool("anchors-only", "Move Control Points Only", false);
}

void FractalizePage(host::Host& host, const host::PluginModule& module, PageWriter& page,
                    std::string* error) {
  const std::map<int32_t, double> defaults =
      DialogDefaults(host, FilterTitle(module, kVxPresetOwnerFractalize), res::kFractalizeDialog, Fr::kPresetMenu, error);
  if (!error->empty()) return;
  auto chosen = [&](int32_t item) { return defaults.count(item) ? defaults.at(item) : 0.0; };
  std::vector<std::pair<std::string, std::string>> generators;
  const std::vector<std::string> names = GeneratorNames(module);
  for (size_t g = 0; g < names.size(); ++g) generators.push_back({std::to_string(g + 1), names[g]});
  page.Options("generator", "Generator", "combo", generators, size_t(chosen(Fr::kGenerator)));
  AddDialogNumbers(module, res::kFractalizeDialog, kFractalizeNumbers, defaults, page, error);
  // The level popup's entries are the levels, from 1.
  const auto t = Template(module, res::kFractalizeDialog, error);
  const host::adm::ItemTemplate* level = t ? ItemOf(*t, Fr::kLevel) : nullptr;
  const VxResource* menu =
      level ? module.FindResource(kVxMenuResource, int32_t(level->Number("menu").value_or(0)))
            : nullptr;
  if (!menu) {
    if (error->empty()) *error = "the Fractalize dialog has no level menu";
    return;
  }
  const size_t levels = MenuEntries(module, menu->id).size();
  page.Int("level", EditLabel(*t, Fr::kLevel, false), 1, double(levels), chosen(Fr::kLevel) + 1);
  page.Options("unit", "Distortion unit", "radio", {{"pct", "%"}, {"pt", "pt"}}, 0);
  page.Int("seed", "Random seed (0: a new one each run)", 0, 2147483647, 0);
  page.Bool("live", "Live effect (versalix4 update renders it again)", false);
}

// "Shadow offset (pt)": the command line's field name as a label, with the
// unit the palette shows.
std::string FieldLabel(const VxEffectField& f) {
  std::string label = f.name;
  for (char& c : label)
    if (c == '-') c = ' ';
  if (!label.empty()) label[0] = char(std::toupper(static_cast<unsigned char>(label[0])));
  switch (f.unit) {
    case kVxUnitPercent: return label + " (%)";
    case kVxUnitDegrees: return label + " (°)";
    case kVxUnitPoints: return label + " (pt)";
    case kVxUnitGrid: return label + " (cell 0, top left, to 8, bottom right)";
    default: return label;
  }
}

// An effect's fields as its palette shows them on Default Settings.
bool EffectPage(host::Host& host, int effect, PageWriter& page, std::string* error) {
  const VxEffectInfo& info = Effects(host)[size_t(effect)];
  host::adm::Dialog* palette = OpenEffectPalette(host, effect);
  if (!palette) {
    *error = std::string("cannot open the Live ") + info.name + " palette";
    return false;
  }
  if (std::string e = PerformPaletteAction(
          host, *palette, "choose menu=" + std::to_string(kDefaultSettingsEntry));
      !e.empty()) {
    *error = std::string("Live ") + info.name + ": Default Settings: " + e;
    return false;
  }
  page.Text(kPresetParam, "Preset (empty: the values below)", "");
  for (int32_t i = 0; i < info.fieldCount; ++i) {
    const VxEffectField& f = info.fields[i];
    host::adm::Item* item = palette->GetItem(f.unit == kVxUnitRadio ? f.radios[0] : f.item);
    if (!item) {
      *error = std::string("Live ") + info.name + " has no item for " + f.name;
      return false;
    }
    const std::string label = FieldLabel(f);
    switch (f.unit) {
      case kVxUnitFlag: page.Bool(f.name, label, item->BooleanValue()); break;
      case kVxUnitInteger: page.Int(f.name, label, item->min(), item->max(), item->Value()); break;
      case kVxUnitGrid: {
        // The picker shows no number; an empty choice leaves it as it is.
        std::vector<std::pair<std::string, std::string>> cells{{"", "As the palette has it"}};
        for (int cell = 0; cell < 9; ++cell) cells.push_back({std::to_string(cell), std::to_string(cell)});
        page.Options(f.name, label, "combo", cells, 0);
        break;
      }
      case kVxUnitColour:
        page.Text(f.name, label + " (empty: as the palette has it; #rrggbb, cmyk(C,M,Y,K) or gray(G))", "");
        break;
      case kVxUnitChoice: {
        std::vector<std::pair<std::string, std::string>> entries;
        size_t current = 0;
        host::adm::List* list = item->list();
        for (int32_t k = 0; list && k < list->Count(); ++k) {
          entries.push_back({list->At(k)->text, list->At(k)->text});
          if (list->At(k) == list->Active()) current = size_t(k);
        }
        page.Options(f.name, label, "combo", entries, current);
        break;
      }
      case kVxUnitRadio: {
        std::vector<std::pair<std::string, std::string>> buttons;
        size_t current = 0;
        for (int32_t k = 0; k < f.radioCount; ++k) {
          host::adm::Item* button = palette->GetItem(f.radios[k]);
          if (!button) continue;
          if (button->BooleanValue()) current = buttons.size();
          buttons.push_back({Lower(button->Text()), button->Text()});
        }
        page.Options(f.name, label, "radio", buttons, current);
        break;
      }
      default:
        page.Float(f.name, label, item->min(), item->max(), std::max(item->precision, 0),
                   item->Value());
    }
  }
  return true;
}

}  // namespace

std::vector<InxFile> InkscapeExtensions(host::Host& host, std::string* error) {
  const host::PluginModule* module = host.plugin();
  if (!module || !module->Catalog() || Effects(host).empty()) {
    *error = "the plug-in describes no commands";
    return {};
  }
  std::vector<InxFile> files;
  auto add = [&](const std::string& title, const std::string& command, const std::string& tip,
                 const std::function<bool(PageWriter&)>& fill) {
    PageWriter page;
    page.Hidden(kCommandParam, command);
    if (!fill(page)) return false;
    const std::string slug = Slug(title);
    files.push_back({"versalix4-" + slug + ".inx", InxText(title, slug, page.body, tip)});
    return true;
  };
  // A page is named as the filter's menu item, without its "...".
  auto pageTitle = [&](int32_t owner) {
    std::string title = FilterTitle(*module, owner);
    if (title.ends_with("...")) title.resize(title.size() - 3);
    return title;
  };
  bool ok =
      add(pageTitle(kVxPresetOwnerTransform), "3d", "Maps the selected paths onto a surface in space",
          [&](PageWriter& p) { TransformPage(host, *module, p, error); return error->empty(); }) &&
      add(pageTitle(kVxPresetOwnerFractalize), "fractalize",
          "Replaces every span of the selected paths by a generator shape",
          [&](PageWriter& p) { FractalizePage(host, *module, p, error); return error->empty(); });
  const auto effects = Effects(host);
  for (size_t e = 0; ok && e < effects.size(); ++e)
    ok = add(std::string("Live ") + effects[e].name, std::string("effect ") + effects[e].name,
             std::string("Applies the live effect ") + effects[e].name + " to the selection",
             [&](PageWriter& p) { return EffectPage(host, int(e), p, error); });
  ok = ok &&
       add("Update", "update", "Regenerates the selected live effect art",
           [](PageWriter& p) {
             p.Bool("discard-edits", "Regenerate results edited in another program", false);
             return true;
           }) &&
       add("Expand", "expand", "Replaces the selected live effect art by its result",
           [](PageWriter&) { return true; }) &&
       add("Release", "release", "Replaces the selected live effect art by its source",
           [](PageWriter&) { return true; });
  if (!ok) return {};
  return files;
}

namespace {

// Inkscape's "--name=value" arguments by name; ids in order; the document.
struct InkscapeCall {
  std::map<std::string, std::string> params;
  std::vector<std::string> ids;
  std::string document;
};

bool ParseCall(const std::vector<std::string>& args, InkscapeCall* call, std::string* error) {
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (i + 1 == args.size() && !a.starts_with("--")) {
      call->document = a;
      break;
    }
    const size_t eq = a.find('=');
    if (!a.starts_with("--") || eq == std::string::npos) {
      *error = "expected --name=value arguments and the document last, not \"" + a + "\"";
      return false;
    }
    const std::string name = a.substr(2, eq - 2), value = a.substr(eq + 1);
    if (name == "id") call->ids.push_back(value);
    else call->params[name] = value;
  }
  if (call->document.empty()) *error = "no document: Inkscape passes its path last";
  return !call->document.empty();
}

// Takes a parameter out of the call; null when it is not there.
std::optional<std::string> Take(InkscapeCall& call, const std::string& name) {
  auto it = call.params.find(name);
  if (it == call.params.end()) return std::nullopt;
  std::string value = it->second;
  call.params.erase(it);
  return value;
}

bool IsTrue(const std::optional<std::string>& value) { return value && *value == "true"; }

void TakeNumbers(InkscapeCall& call, std::span<const DialogNumber> numbers,
                 std::vector<std::string>& out) {
  std::map<std::string, std::vector<std::string>> triples;
  for (const DialogNumber& n : numbers) {
    const std::optional<std::string> value = Take(call, n.param);
    if (!value) continue;
    if (n.triple < 0) {
      out.insert(out.end(), {n.option, *value});
    } else {
      std::vector<std::string>& t = triples[n.option];
      t.resize(3, "0");
      t[size_t(n.triple)] = *value;
    }
  }
  for (const auto& [option, t] : triples) out.insert(out.end(), {option, t[0] + "," + t[1] + "," + t[2]});
}

void TransformArguments(const host::PluginModule& module, InkscapeCall& call,
                        std::vector<std::string>& out) {
  const std::optional<std::string> kindName = Take(call, kKindParam);
  const std::optional<std::string> preset = Take(call, kPresetParam);
  for (const TransformKind& kind : TransformKinds(module)) {
    const bool chosen = kindName && *kindName == kind.presetName;
    if (chosen) out.insert(out.end(), {"--kind", kind.presetName});
    for (const ValueRow& row : kind.rows) {
      const std::optional<std::string> value =
          Take(call, kind.presetName + "-" + std::to_string(row.number));
      if (chosen && value && (!preset || preset->empty()))
        out.insert(out.end(), {"--value", std::to_string(row.number) + "=" + *value});
    }
  }
  if (preset && !preset->empty()) {
    out.insert(out.end(), {"--preset", *preset});
    for (const DialogNumber& n : kTransformNumbers) Take(call, n.param);
  } else {
    TakeNumbers(call, kTransformNumbers, out);
  }
  if (IsTrue(Take(call, "before"))) out.push_back("--before");
  if (IsTrue(Take(call, "anchors-only"))) out.push_back("--anchors-only");
}

void FractalizeArguments(InkscapeCall& call, std::vector<std::string>& out) {
  TakeNumbers(call, kFractalizeNumbers, out);
  for (const char* name : {"generator", "level", "unit"})
    if (std::optional<std::string> value = Take(call, name))
      out.insert(out.end(), {std::string("--") + name, *value});
  if (std::optional<std::string> seed = Take(call, "seed"); seed && *seed != "0")
    out.insert(out.end(), {"--seed", *seed});
  if (IsTrue(Take(call, "live"))) out.push_back("--live");
}

// The value a page's choice, radio button or flag gives a palette field, as
// its record holds it; -1 when the page gives none the palette knows.
int32_t PageValue(const host::PluginModule& module, const VxEffectInfo& effect,
                  const VxEffectField& f, const std::string& value) {
  if (f.unit == kVxUnitFlag) return value == "true" ? 1 : 0;
  std::string error;
  const auto t = Template(module, effect.paletteTemplate, &error);
  if (!t) return -1;
  if (f.unit == kVxUnitRadio) {
    for (int32_t k = 0; k < f.radioCount; ++k)
      if (const host::adm::ItemTemplate* button = ItemOf(*t, f.radios[k]);
          button && Lower(button->text) == value)
        return k;
    return -1;
  }
  if (f.unit == kVxUnitChoice) {
    const host::adm::ItemTemplate* item = ItemOf(*t, f.item);
    if (!item) return -1;
    const std::vector<std::string> entries =
        MenuEntries(module, int32_t(item->Number("menu").value_or(0)));
    const auto at = std::find(entries.begin(), entries.end(), value);
    return at == entries.end() ? -1 : int32_t(at - entries.begin());
  }
  char* end = nullptr;
  const long number = std::strtol(value.c_str(), &end, 10);
  return value.empty() || *end ? -1 : int32_t(number);
}

// Whether the page's values leave a field enabled in the palette. A page
// cannot disable its fields as the palette does, so it passes every one;
// those the palette disables for the values chosen are not set.
bool EnabledByPage(const host::PluginModule& module, const VxEffectInfo& effect,
                   const VxEffectField& f, const std::map<std::string, std::string>& page) {
  if (!f.enabledBy) return true;
  const VxEffectField* by = nullptr;
  for (int32_t i = 0; i < effect.fieldCount; ++i)
    if (std::string(effect.fields[i].name) == f.enabledBy) by = &effect.fields[i];
  const auto given = page.find(f.enabledBy);
  // Without the enabling field's value the palette decides.
  if (!by || given == page.end()) return true;
  if (!EnabledByPage(module, effect, *by, page)) return false;
  return VxFieldEnabled(f.enabledTest, PageValue(module, effect, *by, given->second),
                        f.enabledValue) != 0;
}

bool EffectArguments(const host::PluginModule& module, const std::string& name,
                     InkscapeCall& call, std::vector<std::string>& out, std::string* error) {
  const VxEffectTable* table = module.Effects();
  const VxEffectInfo* effect = nullptr;
  for (uint32_t e = 0; table && e < table->count; ++e)
    if (name == table->effects[e].name) effect = &table->effects[e];
  if (!effect) {
    *error = "the plug-in has no effect \"" + name + "\"";
    return false;
  }
  const std::optional<std::string> preset = Take(call, kPresetParam);
  const bool byPreset = preset && !preset->empty();
  if (byPreset) out.insert(out.end(), {"--preset", *preset});
  const std::map<std::string, std::string> page = call.params;
  for (int32_t i = 0; i < effect->fieldCount; ++i) {
    const VxEffectField& f = effect->fields[i];
    const std::optional<std::string> value = Take(call, f.name);
    // An empty colour or cell leaves the palette's own.
    if (!value || byPreset || value->empty()) continue;
    if (!EnabledByPage(module, *effect, f, page)) continue;
    out.insert(out.end(), {"--set", std::string(f.name) + "=" + *value});
  }
  return true;
}

}  // namespace

std::vector<std::string> InkscapeCommandLine(const host::PluginModule& module,
                                             const std::vector<std::string>& args,
                                             std::string* error) {
  InkscapeCall call;
  if (!ParseCall(args, &call, error)) return {};
  const std::optional<std::string> command = Take(call, kCommandParam);
  if (!command) {
    *error = std::string("no --") + kCommandParam + ": run from a page that versalix4 inkscape install wrote";
    return {};
  }
  std::vector<std::string> out;
  const size_t space = command->find(' ');
  const std::string verb = command->substr(0, space);
  if (verb == "effect") {
    const std::string name = space == std::string::npos ? "" : command->substr(space + 1);
    out = {"effect", name, call.document};
    if (!EffectArguments(module, name, call, out, error)) return {};
  } else if (verb == "3d" || verb == "fractalize" || verb == "update" || verb == "expand" ||
             verb == "release") {
    out = {verb, call.document};
    if (verb == "3d") TransformArguments(module, call, out);
    if (verb == "fractalize") FractalizeArguments(call, out);
    if (verb == "update" && IsTrue(Take(call, "discard-edits"))) out.push_back("--discard-edits");
  } else {
    *error = "no command \"" + *command + "\"";
    return {};
  }
  // Inkscape's own extra argument for path effects, which these pages do
  // not use; an --output file where a caller asks for one.
  Take(call, "selected-nodes");
  const std::optional<std::string> output = Take(call, "output");
  if (!call.params.empty()) {
    *error = "the page passed --" + call.params.begin()->first +
             ", which versalix4 does not take: install the extensions again";
    return {};
  }
  out.insert(out.end(), {"-o", output && !output->empty() ? *output : "-"});
  if (!call.ids.empty()) {
    std::string ids;
    for (const std::string& id : call.ids) ids += (ids.empty() ? "" : ",") + id;
    out.insert(out.end(), {"--select", ids});
  }
  return out;
}

}  // namespace vx::app
