#include "app/document_files.h"

#include <iostream>
#include <sstream>

#include "app/plugin_catalog.h"
#include "app/settings_snapshot.h"
#include "host/adm/dialog_manager.h"
#include "host/art/document_set.h"
#include "host/io/atomic_file.h"
#include "host/platform/process_heap.h"
#include "host/render/png_render.h"
#include "host/svg/svg_effect_art.h"
#include "host/svg/svg_export.h"
#include "host/svg/svg_source.h"

namespace vx::app {

int ReadSvgDocument(const std::string& path, svg::ImportResult* result, size_t heapPerFileByte) {
  std::string bytes, error;
  if (!host::io::ReadFile(path, &bytes, &error)) {
    std::cerr << "versalix4: " << error << "\n";
    return kExitIo;
  }
  host::PrefaultHeap(heapPerFileByte * bytes.size());
  auto imported = svg::ImportOwnedSvg(std::move(bytes), &error);
  if (!imported) {
    std::cerr << "versalix4: cannot read " << path << ": " << error << "\n";
    return kExitIo;
  }
  for (const std::string& note : imported->notes) {
    std::cerr << "versalix4: " << path << ": " << note << "\n";
  }
  *result = std::move(*imported);
  return kExitOk;
}

int SelectedArt(const host::art::Document& document, const CommonOptions& common,
                std::vector<host::art::Art*>* selection) {
  selection->clear();
  if (common.select.empty()) {
    for (const host::art::Layer* layer : document.LayersInPaintOrder()) {
      for (host::art::Art* a = layer->group->firstChild(); a; a = a->sibling()) {
        selection->push_back(a);
      }
    }
    return kExitOk;
  }
  for (const std::string& name : common.select) {
    const size_t before = selection->size();
    if (host::art::Art* art = document.FindById(name)) {
      selection->push_back(art);
      continue;
    }
    ForEachObject(document, [&](const host::art::Art& art, const std::string& place, int) {
      if (ObjectId(art, place) == name || art.name() == name)
        selection->push_back(const_cast<host::art::Art*>(&art));
    });
    if (selection->size() == before) {
      std::cerr << "versalix4: --select: the document has no object with the id or label \""
                << name << "\" (versalix4 objects FILE lists them)\n";
      return kExitUsage;
    }
  }
  return kExitOk;
}

int CheckOutputTarget(const std::string& input, std::string& output,
                      const CommonOptions& common) {
  if (output.empty() && common.inPlace && !host::io::IsStandardStream(input)) output = input;
  if (output.empty()) {
    std::cerr << "versalix4: -o/--output is required (or --in-place to replace the input)\n";
    return kExitUsage;
  }
  if (common.inPlace || !host::io::SameFile(input, output)) return kExitOk;
  std::cerr << "versalix4: -o names the input file " << input
            << "; add --in-place to replace it\n";
  return kExitUsage;
}

int ExportSvgText(const host::art::Document& document, const svg::KeptSvg* kept,
                  std::string* text, const std::set<const host::art::Art*>* only) {
  std::vector<std::string> notes;
  std::string error;
  svg::ExportOptions options;
  options.only = only;
  options.notes = &notes;
  options.error = &error;
  *text = svg::ExportSvg(document, kept, options);
  if (!error.empty()) {
    std::cerr << "versalix4: " << error << "; nothing was written\n";
    return kExitFailed;
  }
  std::set<std::string> told;
  for (const std::string& note : notes)
    if (told.insert(note).second) std::cerr << "versalix4: " << note << "\n";
  return kExitOk;
}

int WriteOutputFile(const std::string& path, std::string_view bytes) {
  std::string error;
  if (host::io::WriteOutput(path, bytes, &error)) return kExitOk;
  std::cerr << "versalix4: " << error << "\n";
  return kExitIo;
}

int WriteSvgDocument(const std::string& path, const host::art::Document& document,
                     const svg::KeptSvg* kept, const std::set<const host::art::Art*>* only) {
  std::string text;
  if (int code = ExportSvgText(document, kept, &text, only)) return code;
  return WriteOutputFile(path, text);
}

int WritePngPicture(const std::string& path, const std::string& svgText, int width,
                    const std::string& baseFile) {
  std::string error;
  auto raster = host::render::RenderSvg(svgText, width, &error, baseFile);
  if (!raster) {
    std::cerr << "versalix4: cannot render " << (baseFile.empty() ? "the document" : baseFile)
              << ": " << error << "\n";
    return kExitIo;
  }
  return WriteOutputFile(path, host::render::EncodePng(*raster));
}

const char* TypeName(const host::art::Art& art) {
  using host::art::ArtKind;
  switch (art.kind()) {
    case ArtKind::Group: return art.isLayerGroup() ? "layer" : "group";
    case ArtKind::Path: return "path";
    case ArtKind::CompoundPath: return "compound path";
    case ArtKind::Text:
    case ArtKind::TextPath:
    case ArtKind::TextRun: return "text";
    case ArtKind::PluginGroup: return "effect art";
    default: return "kept element";
  }
}

namespace {

uint64_t RevisionSum(const host::art::Art& art) {
  uint64_t sum = art.revision();
  for (const host::art::Art* part : {art.editGroup(), art.resultGroup()})
    if (part) sum = sum * 31 + RevisionSum(*part);
  for (const host::art::Art* child = art.firstChild(); child; child = child->sibling())
    sum = sum * 31 + RevisionSum(*child);
  return sum;
}

}  // namespace

std::string NameOf(const host::art::Art& art) {
  if (!art.id().empty()) return "\"" + art.id() + "\"";
  if (!art.name().empty()) return "\"" + art.name() + "\"";
  return std::string("a ") + TypeName(art) + " without an id";
}

int CheckWarnings(host::Host& host, const CommonOptions& common,
                  const std::vector<std::string>& notes) {
  std::set<std::string> told;
  for (const std::string& note : notes)
    if (told.insert(note).second) std::cerr << "versalix4: " << note << "\n";
  if (notes.empty() && host.dialogs().alerts().empty()) return kExitOk;
  if (common.acceptWarnings) return kExitOk;
  std::cerr << "versalix4: stopped at the warning above; nothing was written "
               "(--accept-warnings writes the result anyway)\n";
  return kExitFailed;
}

int FinishDocument(host::Host& host, const CommonOptions& common,
                   const host::art::Document& document, const svg::KeptSvg* kept,
                   const std::vector<std::string>& warnings, std::string* svgText,
                   const std::function<int()>& save) {
  std::vector<std::string> notes;
  for (const std::string& w : warnings)
    if (!w.empty()) notes.push_back(w);
  if (int code = CheckWarnings(host, common, notes)) return code;
  if (int code = ExportSvgText(document, kept, svgText)) return code;
  return save ? save() : kExitOk;
}

ChangeWatch::ChangeWatch(const std::vector<host::art::Art*>& selection) {
  for (const host::art::Art* art : selection) before_.emplace_back(art, RevisionSum(*art));
}

std::vector<std::string> ChangeWatch::Unchanged() const {
  std::vector<std::string> names;
  for (const auto& [art, revisions] : before_)
    if (RevisionSum(*art) == revisions)
      names.push_back(NameOf(*art) + " (" + TypeName(*art) + ")");
  return names;
}

std::string LeftAsTheyWere(const std::string& command, const std::vector<std::string>& unchanged,
                           size_t total, const std::string& hint) {
  if (unchanged.empty()) return "";
  std::string list;
  for (const std::string& name : unchanged) list += (list.empty() ? "" : ", ") + name;
  const std::string tail = hint.empty() ? "" : "; " + hint;
  if (unchanged.size() < total) return command + " left these objects as they were: " + list + tail;
  return command + " changed nothing: " + list + " left as before" + tail;
}

std::string ChangeWatch::Check(const std::string& command, const std::string& hint) const {
  return LeftAsTheyWere(command, Unchanged(), before_.size(), hint);
}

int RunOnDocument(const CommonOptions& common, svg::ImportResult& document,
                  const DocumentWork& work, SelectionUse use) {
  std::vector<host::art::Art*> selection;
  if (int code = SelectedArt(*document.document, common, &selection)) return code;
  int failure = kExitInternal;
  auto host = MakeHost(common, &failure);
  if (!host) return failure;
  // Taken before start-up, which may repair damaged preset files.
  const SettingsSnapshot settings(host->settingsDir());
  if (int32_t err = host->Startup()) {
    settings.Restore();
    return ReportFailure("start-up", err);
  }
  // Selected objects the host cannot change (clones, images ...) would be
  // left as they are: a warning before any work.
  if (const std::string note = use == SelectionUse::Changed ? svg::UntouchedNote(selection) : "";
      !note.empty())
    if (int code = CheckWarnings(*host, common, {note})) {
      host->Shutdown();
      settings.Restore();
      return code;
    }
  host::art::Document& doc = host->documents().Adopt(std::move(document.document));
  svg::BindEffectArt(doc, document.kept, host->registrations());
  {
    // Choosing the command's selection is part of opening the file, not a step to undo.
    host::art::Document::Loading opening(doc);
    doc.DeselectAll();
    for (host::art::Art* art : selection) doc.Select(*art, true);
  }
  doc.ClearHistory();
  const int code = work(*host, doc, selection);
  host->Shutdown();
  if (code != kExitOk) settings.Restore();
  return code;
}

namespace {
// Paths and compound paths, also inside groups and effect art's source;
// text keeps its own outlines.
bool HoldsPath(const host::art::Art& art) {
  using host::art::ArtKind;
  switch (art.kind()) {
    case ArtKind::Path:
    case ArtKind::CompoundPath: return true;
    case ArtKind::PluginGroup: return art.editGroup() && HoldsPath(*art.editGroup());
    case ArtKind::Group:
      for (const host::art::Art* c = art.firstChild(); c; c = c->sibling())
        if (HoldsPath(*c)) return true;
      return false;
    default: return false;
  }
}
}  // namespace

int RequirePaths(host::Host& host, const std::vector<host::art::Art*>& selection,
                 const std::string& command) {
  for (const host::art::Art* art : selection)
    if (HoldsPath(*art)) return kExitOk;
  const int32_t code = kBadSelectionErr;
  const std::string message = host.plugin() ? PluginErrorText(*host.plugin(), code) : "";
  ReportFailure(message.empty() ? command : message, code);
  std::cerr << "versalix4: " << command << " works on paths, and the selection holds none\n";
  return kExitFailed;
}

}  // namespace vx::app
