#include "app/document_files.h"

#include <iostream>
#include <sstream>

#include "host/art/document_set.h"
#include "host/io/atomic_file.h"
#include "host/render/png_render.h"
#include "host/svg/svg_effect_art.h"
#include "host/svg/svg_export.h"
#include "host/svg/svg_source.h"

namespace vx::app {

int ReadSvgDocument(const std::string& path, svg::ImportResult* result) {
  std::string bytes, error;
  if (!host::io::ReadFile(path, &bytes, &error)) {
    std::cerr << "versalix4: " << error << "\n";
    return kExitIo;
  }
  auto imported = svg::ImportSvg(bytes, &error);
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
  for (const std::string& id : common.select) {
    host::art::Art* art = document.FindById(id);
    if (!art) {
      std::cerr << "versalix4: --select: the document has no object with the id \"" << id
                << "\"\n";
      return kExitUsage;
    }
    selection->push_back(art);
  }
  return kExitOk;
}

int WriteSvgDocument(const std::string& path, const host::art::Document& document,
                     const svg::KeptSvg* kept, const std::set<const host::art::Art*>* only) {
  std::vector<std::string> notes;
  svg::ExportOptions options;
  options.only = only;
  options.notes = &notes;
  std::string text = svg::ExportSvg(document, kept, options);
  for (const std::string& note : notes) std::cerr << "versalix4: " << path << ": " << note << "\n";
  std::string error;
  if (!host::io::WriteFileAtomically(path, text, &error)) {
    std::cerr << "versalix4: " << error << "\n";
    return kExitIo;
  }
  return kExitOk;
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
  if (!host::io::WriteFileAtomically(path, host::render::EncodePng(*raster), &error)) {
    std::cerr << "versalix4: " << error << "\n";
    return kExitIo;
  }
  return kExitOk;
}

int RunOnDocument(const CommonOptions& common, svg::ImportResult& document,
                  const DocumentWork& work) {
  std::vector<host::art::Art*> selection;
  if (int code = SelectedArt(*document.document, common, &selection)) return code;
  if (std::string note = svg::UntouchedNote(selection); !note.empty()) {
    std::cerr << "versalix4: " << note << "\n";
  }
  auto host = MakeHost(common);
  if (!host) return kExitInternal;
  if (int32_t err = host->Startup()) return ReportFailure("start-up", err);
  host::art::Document& doc = host->documents().Adopt(std::move(document.document));
  svg::BindEffectArt(doc, document.kept, host->registrations());
  doc.DeselectAll();
  for (host::art::Art* art : selection) doc.Select(*art, true);
  doc.ClearHistory();
  const int code = work(*host, doc, selection);
  host->Shutdown();
  return code;
}

}  // namespace vx::app
