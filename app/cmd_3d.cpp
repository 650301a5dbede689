// versalix4 3d: the 3D Transform filter on the selected paths. The command
// fills in the filter's dialog as a person would (kind, values, rotations,
// perspective, cursor, preset), optionally saves its preview, presses OK and
// runs the filter.
#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "app/cli.h"
#include "app/console_agent.h"
#include "app/document_files.h"
#include "app/effect_session.h"
#include "app/plugin_catalog.h"
#include "app/transform3d_options.h"
#include "generated/resource_ids.h"
#include "host/adm/dialog.h"
#include "host/adm/dialog_manager.h"
#include "host/adm/user_agent.h"
#include "host/art/document_set.h"
#include "host/art/geometry.h"
#include "host/core/messages.h"
#include "host/core/registrations.h"
#include "host/io/atomic_file.h"
#include "host/render/png_render.h"
#include "host/svg/svg_export.h"

namespace vx::app {

namespace adm = host::adm;

namespace {

// Items of the 3D Transform dialog; the rows and the rotation axes are runs
// of four items (label, edit, unit, slider).
namespace Items = res::Transform3DDialog;
constexpr int32_t kFirstRowEdit = Items::kRow1;
constexpr int32_t kFirstPreEdit = Items::kPreX;
constexpr int32_t kFirstPostEdit = Items::kPostX;


// "a,b,c" with count numbers.
bool ParseNumbers(const std::string& text, size_t count,
                  std::vector<double>* out) {
  out->clear();
  size_t pos = 0;
  while (pos <= text.size()) {
    const size_t comma = text.find(',', pos);
    const std::string part = text.substr(
        pos, comma == std::string::npos ? std::string::npos : comma - pos);
    try {
      size_t used = 0;
      out->push_back(std::stod(part, &used));
      if (used != part.size() || !std::isfinite(out->back())) return false;
    } catch (...) {
      return false;
    }
    if (comma == std::string::npos) break;
    pos = comma + 1;
  }
  return out->size() == count;
}

// Entry index of a list whose text matches name (any case), or -1.
int FindEntry(adm::List* list, const std::string& name) {
  for (int32_t i = 0; list && i < list->Count(); ++i)
    if (Lower(list->At(i)->text) == Lower(name)) return i;
  return -1;
}

}  // namespace

// Where a user puts the cross cursor of a radius-driven kind so that the
// radius fits the selection: the radius is half the larger side of the
// bounds (w x h points); for two radii the tube is half the ring. Answers
// the cursor in percent of the bounds, or nothing when a side the kind
// needs is zero.
std::optional<std::pair<double, double>> FittingCursor(int32_t radius, double w, double h) {
  const double r = std::max(w, h) / 2;
  switch (radius) {
    case kVxRadiusDistance:
      if (w >= h && w > 0) return std::pair(50.0, 0.0);
      if (h > 0) return std::pair(0.0, -50.0);
      return std::nullopt;
    case kVxRadiusBoth:
      if (w <= 0 || h <= 0) return std::nullopt;
      return std::pair(100 * r / 2 / w, -100 * r / h);
    case kVxRadiusVertical:
      if (h <= 0) return std::nullopt;
      return std::pair(0.0, -100 * r / h);
    default:
      return std::nullopt;
  }
}

AIRealRect BoundsOf(const std::vector<host::art::Art*>& art) {
  host::art::BoundsBuilder b;
  for (const host::art::Art* a : art) {
    const host::art::BoundsBuilder one = host::art::ArtBounds(*a, nullptr, 0);
    if (!one.empty) b.Add(one.Rect());
  }
  return b.Rect();
}

class TransformAgent : public DialogFillingAgent {
 public:
  TransformAgent(const TransformOptions& options, const CommonOptions& common,
                 const std::vector<TransformKind>& kinds,
                 const std::vector<host::art::Art*>& selection, ConsoleAgent& console)
      : DialogFillingAgent(res::kTransform3DDialog, "3d", console),
        options_(options),
        common_(common),
        kinds_(kinds),
        selection_(selection) {}

  std::string previewPng_;
  std::string warning_;  // the preview's warning text, if it shows one

 private:
  void Fill(adm::DialogDriver& driver) override {
    adm::Dialog& d = driver.dialog();
    const TransformKind* kind = nullptr;
    if (!options_.kind.empty() || !common_.last) {
      // Without --kind (and --last) the first kind: the record a fresh host starts with.
      kind = options_.kind.empty() ? &kinds_.front() : FindTransformKind(kinds_, options_.kind);
      if (!kind) return Fail(KindListText());
      Check(driver.Choose(Items::kKind, kind->index));
    } else if (adm::Item* popup = d.GetItem(Items::kKind); popup && popup->list()) {
      adm::List* list = popup->list();
      if (list->Active()) kind = &kinds_[size_t(list->IndexOf(*list->Active()))];
    }
    if (options_.preset.empty()) {
      StartFromDefaults(driver, Items::kPresetMenu, common_.last);
    } else {
      adm::Item* menu = d.GetItem(Items::kPresetMenu);
      const int index = FindEntry(menu ? menu->list() : nullptr, options_.preset);
      if (index < 0) return Fail("no preset \"" + options_.preset + "\"");
      Check(driver.Choose(Items::kPresetMenu, index));
    }
    if (options_.before) Check(driver.Press(Items::kBefore));
    for (const std::string& nv : options_.values) SetRow(driver, kind, nv);
    SetTriple(driver, options_.pre, kFirstPreEdit, "--pre");
    SetTriple(driver, options_.post, kFirstPostEdit, "--post");
    if (options_.perspective)
      SetNumber(driver, Items::kPerspective, *options_.perspective, "--perspective", "%");
    if (options_.anchorsOnly) Check(driver.SetValue(Items::kAnchorsOnly, 1));
    SetCursor(driver, kind);
  }
  // The filled-in dialog is painted once even when no --preview picture is
  // asked for: the preview is where the filter says that art falls behind
  // the view point, that a radius is zero or that a value overflows (a
  // warning this command must not drop), and the paths it maps are the ones
  // OK hands to the filter. Leaving it unpainted would save only the drawing
  // of the mapped paths (about a seventh of a Twirl run on 2,000 octagons).
  bool ReadsPaintedDialog() const override { return true; }
  void Filled(adm::Dialog& d) override {
    if (adm::Item* preview = d.GetItem(Items::kPreview)) {
      warning_ = preview->Text();
      if (!options_.preview.empty()) SavePreview(d, *preview);
    }
  }

  // --value N=V: row N of the kind, in its range and unit.
  void SetRow(adm::DialogDriver& driver, const TransformKind* kind, const std::string& nv) {
    if (failed_) return;
    const size_t eq = nv.find('=');
    std::vector<double> v;
    int n = 0;
    if (eq != std::string::npos && eq <= 2) n = std::atoi(nv.substr(0, eq).c_str());
    if (eq == std::string::npos || n < 1 || n > 4 || !ParseNumbers(nv.substr(eq + 1), 1, &v))
      return Fail("--value takes N=V with N from 1 to 4: " + nv);
    static const std::vector<ValueRow> kNoRows;
    const std::vector<ValueRow>& rows = kind ? kind->rows : kNoRows;
    const ValueRow* row = nullptr;
    for (const ValueRow& r : rows)
      if (r.number == n) row = &r;
    if (!row) {
      std::string names;
      for (const ValueRow& r : rows)
        names += (names.empty() ? "" : ", ") + std::to_string(r.number) + " " + r.label;
      return Fail((kind ? kind->name : std::string("this kind")) + " has no value " +
                  std::to_string(n) + (names.empty() ? "; it has no values" : "; its values are " + names));
    }
    SetNumber(driver, kFirstRowEdit + 4 * (n - 1), v[0],
              "--value " + std::to_string(n) + " (" + row->label + ")", row->unit);
  }

  void SetCursor(adm::DialogDriver& driver, const TransformKind* kind) {
    if (failed_) return;
    std::vector<double> hv;
    if (!options_.cursor.empty()) {
      if (!ParseNumbers(options_.cursor, 2, &hv)) return Fail("--cursor takes H,V in percent");
    } else {
      // A cursor left at the centre gives these kinds a zero radius.
      const adm::Item* h = driver.dialog().GetItem(Items::kCursorH);
      const adm::Item* v = driver.dialog().GetItem(Items::kCursorV);
      if (!kind || kind->radius == kVxRadiusNone || !h || !v || h->Value() != 0 ||
          v->Value() != 0)
        return;
      const AIRealRect bounds = BoundsOf(selection_);
      const auto fit = FittingCursor(kind->radius, bounds.right - bounds.left,
                                     bounds.top - bounds.bottom);
      if (!fit) return;
      hv = {fit->first, fit->second};
    }
    Check(driver.SetValue(Items::kCursorH, hv[0]));
    Check(driver.SetValue(Items::kCursorV, hv[1]));
  }

  std::string KindListText() const {
    std::string text = "unknown kind \"" + options_.kind + "\"; the kinds are:";
    for (const TransformKind& k : kinds_)
      text += (k.index ? ", " : " ") + std::to_string(k.index) + " " +
              BothNames(k.name, k.presetName);
    return text;
  }
  void SetTriple(adm::DialogDriver& driver, const std::string& text,
                 int32_t firstEdit, const char* option) {
    if (text.empty() || failed_) return;
    std::vector<double> v;
    if (!ParseNumbers(text, 3, &v))
      return Fail(std::string(option) + " takes three angles in degrees");
    for (int i = 0; i < 3; ++i) SetNumber(driver, firstEdit + 4 * i, v[i], option, "°");
  }
  // The preview as the dialog shows it, its part of the dialog's raster, as
  // PNG bytes; written with the document once the filter has run.
  void SavePreview(adm::Dialog& d, adm::Item& preview) {
    const ASRect r = preview.bounds;
    host::render::Raster out;
    out.width = std::max(0, r.right - r.left);
    out.height = std::max(0, r.bottom - r.top);
    out.rgba.reserve(size_t(out.width) * size_t(out.height) * 4);
    for (int y = r.top; y < r.bottom; ++y)
      for (int x = r.left; x < r.right; ++x) {
        const adm::Rgba c = d.raster().Get(x, y);
        out.rgba.insert(out.rgba.end(), {c.r, c.g, c.b, c.a});
      }
    previewPng_ = host::render::EncodePng(out);
    if (previewPng_.empty()) Fail("the preview cannot be saved: librsvg cannot be loaded");
  }

  const TransformOptions& options_;
  const CommonOptions& common_;
  const std::vector<TransformKind>& kinds_;
  const std::vector<host::art::Art*>& selection_;  // measured only for a fitting cursor
};

namespace {

// The filter works on the paths of one layer: the selection by layer, in
// the order met.
std::vector<std::vector<host::art::Art*>> ByLayer(const std::vector<host::art::Art*>& selection) {
  std::vector<std::vector<host::art::Art*>> groups;
  std::vector<const host::art::Layer*> layers;
  for (host::art::Art* art : selection) {
    const auto at = std::find(layers.begin(), layers.end(), art->layer());
    if (at == layers.end()) {
      layers.push_back(art->layer());
      groups.push_back({art});
    } else {
      groups[size_t(at - layers.begin())].push_back(art);
    }
  }
  return groups;
}

int RunTransform(host::Host& host, const CommonOptions& common, const TransformOptions& options,
                 const std::vector<host::art::Art*>& selection, std::string* previewPng,
                 std::vector<std::string>* warnings) {
  host::Filter* filter = host.registrations().FilterTitled(
      FilterTitle(*host.plugin(), kVxPresetOwnerTransform));
  const std::vector<TransformKind> kinds = TransformKinds(*host.plugin());
  if (!filter || kinds.empty()) {
    std::cerr << "versalix4: the plug-in registered no 3D Transform filter\n";
    return kExitInternal;
  }
  ConsoleAgent console(host, std::cerr);
  TransformAgent agent(options, common, kinds, selection, console);
  host.dialogs().SetAgent(&agent);
  auto handle = reinterpret_cast<AIFilterHandle>(filter);
  int32_t result = host::SendFilterGetParameters(host, handle);
  if (result == 0 && !agent.failed()) result = host::SendFilterGo(host, handle);
  host.dialogs().SetAgent(nullptr);
  if (agent.failed()) return kExitUsage;
  if (result) return ReportFailure("3d", result);
  if (!agent.warning_.empty()) warnings->push_back(agent.warning_);
  if (previewPng) *previewPng = std::move(agent.previewPng_);
  return kExitOk;
}

}  // namespace

void SetUp3DCommand(CLI::App& app, CommonOptions& common, int& exitCode) {
  CLI::App* cmd = app.add_subcommand(
      "3d", "Bend the selected paths in space and project them back (the 3D Transform filter)");
  if (!SetsUpOptions(*cmd, common)) return;
  static std::string input, output;
  static TransformOptions options;
  static double perspective = std::nan("");
  cmd->add_option("input", input, "The SVG file to read")->required();
  AddOutputOptions(*cmd, output, common, "The SVG file");
  cmd->add_option("--kind", options.kind,
                  "Kind by its name or its preset name (\"Sphere\", \"Wave (Radial)\", "
                  "\"3DWaveR\") or number (versalix4 list kinds); default: the first kind");
  cmd->add_option("--value", options.values,
                  "N=V: the kind's value row N in the dialog's unit (versalix4 3d --help-kind "
                  "NAME lists the rows and their ranges)");
  cmd->add_option("--pre", options.pre, "x,y,z: rotation before, degrees");
  cmd->add_option("--post", options.post, "X,Y,Z: rotation after, degrees");
  cmd->add_option("--perspective", perspective, "Perspective in percent")
      ->check(kFiniteNumber);
  cmd->add_flag("--before", options.before, "Only the rotation before (Before mode)");
  cmd->add_flag("--anchors-only", options.anchorsOnly, "Move Control Points Only");
  cmd->add_option("--cursor", options.cursor,
                  "H,V: cross cursor in percent of the bounds, from their centre. It sets the "
                  "radius of Sphere, Torus, Spiral, Arc, Screw and Cylinder/Cone; without it "
                  "the command places it so that the radius is half the larger side of the "
                  "selection's bounds");
  cmd->add_option("--preset", options.preset, "A preset of the kind, by name");
  cmd->add_option("--preview", options.preview, "Save the dialog's preview as PNG");
  cmd->add_option_function<std::string>(
         "--help-kind",
         [&common](const std::string& kind) {
           if (PrintKindHelp(common, kind) != kExitOk) throw CLI::RuntimeError(kExitUsage);
           throw CLI::Success();
         },
         "Print a kind's value rows (label, range, unit, default) and what its cursor does")
      ->trigger_on_parse();
  AddLastOption(*cmd, common);
  AddCommonOptions(*cmd, common);
  cmd->callback([&common, &exitCode] {
    if (!std::isnan(perspective)) options.perspective = perspective;
    if ((exitCode = CheckOutputTarget(input, output, common))) return;
    if (!options.preview.empty() && host::io::SameFile(input, options.preview)) {
      std::cerr << "versalix4: --preview names the input file\n";
      exitCode = kExitUsage;
      return;
    }
    std::string svgText, previewPng;
    exitCode = TransformDocument(common, input, options, &svgText, &previewPng, [&] {
      if (!options.preview.empty())
        if (int code = WriteOutputFile(options.preview, previewPng)) return code;
      return WriteOutputFile(output, svgText);
    });
  });
}

int TransformDocument(const CommonOptions& common, const std::string& input,
                      const TransformOptions& options, std::string* svgText,
                      std::string* previewPng, const std::function<int()>& save) {
  svg::ImportResult document;
  if (int code = ReadSvgDocument(input, &document)) return code;
  return RunOnDocument(
      common, document,
      [&](host::Host& host, host::art::Document& doc, const std::vector<host::art::Art*>& all) {
        const ChangeWatch watch(all);
        std::vector<std::string> warnings;
        // Each layer's objects in turn: the filter works on one layer at a
        // time, as a user would select and run it.
        for (const auto& selection : ByLayer(all)) {
          // One layer: the document's selection is already this one.
          if (selection.size() != all.size()) SelectOnly(doc, selection);
          const int code = RunTransform(host, common, options, selection, previewPng, &warnings);
          if (code != kExitOk) return code;
        }
        warnings.push_back(
            watch.Check("3d", "choose a --kind and its --value rows (versalix4 3d --help-kind NAME)"));
        return FinishDocument(host, common, doc, &document.kept, warnings, svgText, save);
      });
}

}  // namespace vx::app
