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
#include "app/transform3d_options.h"
#include "host/adm/dialog.h"
#include "host/adm/dialog_manager.h"
#include "host/adm/user_agent.h"
#include "host/art/document_set.h"
#include "host/core/messages.h"
#include "host/core/registrations.h"
#include "host/io/atomic_file.h"
#include "host/render/png_render.h"
#include "host/svg/svg_export.h"

namespace vx::app {

namespace adm = host::adm;

namespace {

// Item ids of the 3D Transform dialog.
enum : int32_t {
  kDialogTemplate = 18000, kPreviewItem = 3, kKindItem = 5, kPresetItem = 6,
  kFirstRowEdit = 8, kAnchorsOnlyItem = 23, kBeforeItem = 32,
  kFirstPreEdit = 35, kFirstPostEdit = 47, kPerspectiveItem = 59,
  kCursorHItem = 65, kCursorVItem = 68
};


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

// Entry index of a list whose text matches name (any case), or a number.
int FindEntry(adm::List* list, const std::string& name, bool numbered) {
  if (!list) return -1;
  if (numbered && !name.empty() &&
      std::all_of(name.begin(), name.end(),
                  [](unsigned char c) { return std::isdigit(c); })) {
    // More digits than any list has entries: no entry (and no overflow).
    if (name.size() > 6) return -1;
    const int n = std::stoi(name);
    return n < list->Count() ? n : -1;
  }
  for (int32_t i = 0; i < list->Count(); ++i)
    if (Lower(list->At(i)->text) == Lower(name)) return i;
  return -1;
}

}  // namespace

class TransformAgent : public DialogFillingAgent {
 public:
  TransformAgent(const TransformOptions& options, ConsoleAgent& console)
      : DialogFillingAgent(kDialogTemplate, "3d", console), options_(options) {}

 private:
  void Fill(adm::DialogDriver& driver) override {
    adm::Dialog& d = driver.dialog();
    if (!options_.kind.empty()) {
      adm::Item* popup = d.GetItem(kKindItem);
      const int index = FindEntry(popup ? popup->list() : nullptr,
                                  options_.kind, true);
      if (index < 0) return Fail(KindListText(popup));
      Check(driver.Choose(kKindItem, index));
    }
    if (!options_.preset.empty()) {
      adm::Item* menu = d.GetItem(kPresetItem);
      const int index =
          FindEntry(menu ? menu->list() : nullptr, options_.preset, false);
      if (index < 0) return Fail("no preset \"" + options_.preset + "\"");
      Check(driver.Choose(kPresetItem, index));
    }
    if (options_.before) Check(driver.Press(kBeforeItem));
    for (const std::string& nv : options_.values) {
      const size_t eq = nv.find('=');
      std::vector<double> v;
      int n = 0;
      if (eq != std::string::npos && eq <= 2) n = std::atoi(nv.substr(0, eq).c_str());
      if (eq == std::string::npos || n < 1 || n > 4 ||
          !ParseNumbers(nv.substr(eq + 1), 1, &v))
        return Fail("--value takes N=V with N from 1 to 4: " + nv);
      adm::Item* edit = d.GetItem(kFirstRowEdit + 4 * (n - 1));
      if (!edit || !edit->visible)
        return Fail("this kind has no value " + std::to_string(n));
      Check(driver.SetValue(kFirstRowEdit + 4 * (n - 1), v[0]));
    }
    SetTriple(driver, options_.pre, kFirstPreEdit, "--pre");
    SetTriple(driver, options_.post, kFirstPostEdit, "--post");
    if (options_.perspective)
      Check(driver.SetValue(kPerspectiveItem, *options_.perspective));
    if (options_.anchorsOnly) Check(driver.SetValue(kAnchorsOnlyItem, 1));
    if (!options_.cursor.empty()) {
      std::vector<double> hv;
      if (!ParseNumbers(options_.cursor, 2, &hv))
        return Fail("--cursor takes H,V in percent");
      Check(driver.SetValue(kCursorHItem, hv[0]));
      Check(driver.SetValue(kCursorVItem, hv[1]));
    }
    if (failed_) return;
    if (adm::Item* preview = d.GetItem(kPreviewItem)) {
      if (!preview->Text().empty()) std::cerr << preview->Text() << "\n";
      if (!options_.preview.empty()) SavePreview(d, *preview);
    }
  }
  static std::string KindListText(adm::Item* popup) {
    std::string text = "unknown kind; the kinds are:";
    adm::List* list = popup ? popup->list() : nullptr;
    for (int32_t i = 0; list && i < list->Count(); ++i)
      text += (i ? ", " : " ") + std::to_string(i) + " \"" +
              list->At(i)->text + "\"";
    return text;
  }
  void SetTriple(adm::DialogDriver& driver, const std::string& text,
                 int32_t firstEdit, const char* option) {
    if (text.empty() || failed_) return;
    std::vector<double> v;
    if (!ParseNumbers(text, 3, &v))
      return Fail(std::string(option) + " takes three angles in degrees");
    for (int i = 0; i < 3; ++i) Check(driver.SetValue(firstEdit + 4 * i, v[i]));
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
  }

 public:
  std::string previewPng_;

 private:
  const TransformOptions& options_;
};

namespace {

int RunTransform(host::Host& host, const TransformOptions& options, std::string* previewPng) {
  ConsoleAgent console(host, std::cerr);
  TransformAgent agent(options, console);
  host.dialogs().SetAgent(&agent);
  host::Filter* filter = host.registrations().FilterTitled("3D Transform...");
  if (!filter) {
    host.dialogs().SetAgent(nullptr);
    std::cerr << "versalix4: the plug-in registered no 3D Transform filter\n";
    return kExitInternal;
  }
  auto handle = reinterpret_cast<AIFilterHandle>(filter);
  int32_t result = host::SendFilterGetParameters(host, handle);
  if (result == 0 && !agent.failed()) result = host::SendFilterGo(host, handle);
  host.dialogs().SetAgent(nullptr);
  if (agent.failed()) return kExitUsage;
  if (result) return ReportFailure("3d", result);
  if (previewPng) *previewPng = std::move(agent.previewPng_);
  return kExitOk;
}

}  // namespace

void SetUp3DCommand(CLI::App& app, CommonOptions& common, int& exitCode) {
  CLI::App* cmd = app.add_subcommand(
      "3d", "Bend the selected paths in space and project them back (the 3D Transform filter)");
  static std::string input, output;
  static TransformOptions options;
  static double perspective = -1;
  cmd->add_option("input", input, "The SVG file to read")->required();
  AddOutputOptions(*cmd, output, common, "The SVG file");
  cmd->add_option("--kind", options.kind,
                  "Kind by name (\"Sphere\", \"Wave (Z)\") or number 0 to 11");
  cmd->add_option("--value", options.values,
                  "N=V: the kind's value row N (1 to 4) in the dialog's units");
  cmd->add_option("--pre", options.pre, "x,y,z: rotation before, degrees");
  cmd->add_option("--post", options.post, "X,Y,Z: rotation after, degrees");
  cmd->add_option("--perspective", perspective, "Perspective in percent")
      ->check(kFiniteNumber & CLI::Range(0.0, 100.0));
  cmd->add_flag("--before", options.before, "Only the rotation before (Before mode)");
  cmd->add_flag("--anchors-only", options.anchorsOnly, "Move Control Points Only");
  cmd->add_option("--cursor", options.cursor, "H,V: cross cursor in percent of the bounds");
  cmd->add_option("--preset", options.preset, "A preset of the kind, by name");
  cmd->add_option("--preview", options.preview, "Save the dialog's preview as PNG");
  AddCommonOptions(*cmd, common);
  cmd->callback([&common, &exitCode] {
    if (perspective >= 0) options.perspective = perspective;
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
  return RunOnDocument(common, document,
                       [&](host::Host& host, host::art::Document& doc, const auto&) {
                         const int code = RunTransform(host, options, previewPng);
                         if (code != kExitOk) return code;
                         if (int e = ExportSvgText(doc, &document.kept, svgText)) return e;
                         return save ? save() : kExitOk;
                       });
}

}  // namespace vx::app
