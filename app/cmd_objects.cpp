// versalix4 objects: every object of a file with the name --select takes
// (its id, or for an object without one a generated id: "@" and its place,
// layer then child positions from the top, "@1.0.2"), its type, Inkscape
// label, layer, bounds and live effect. Generated ids depend only on the
// document's structure, so they stay the same from run to run.
#include <iostream>

#include "app/cli.h"
#include "app/document_files.h"
#include "host/art/geometry.h"
#include "host/live/live_effect_instance.h"

namespace vx::app {

namespace {

void Walk(const host::art::Art& container, const std::string& place, int depth,
          const std::function<void(const host::art::Art&, const std::string&, int)>& visit) {
  int n = 0;
  for (const host::art::Art* a = container.firstChild(); a; a = a->sibling(), ++n) {
    const std::string at = place + "." + std::to_string(n);
    visit(*a, at, depth);
    // Text keeps its runs as children; effect art its source and result.
    if (a->kind() == host::art::ArtKind::Group || a->kind() == host::art::ArtKind::CompoundPath)
      Walk(*a, at, depth + 1, visit);
  }
}

}  // namespace

void ForEachObject(const host::art::Document& document,
                   const std::function<void(const host::art::Art&, const std::string&, int)>& visit) {
  for (int i = 0; i < document.LayerCount(); ++i)
    Walk(*document.LayerAt(i)->group, "@" + std::to_string(i), 0, visit);
}

std::string ObjectId(const host::art::Art& art, const std::string& place) {
  return art.id().empty() ? place : art.id();
}

namespace {

// The effect of effect art: the host live effect's name, or the plug-in
// group's as the file names it.
std::string EffectName(const host::art::Art& art, const svg::KeptSvg& kept) {
  if (const host::live::LiveEffectInstance* live = host::live::InstanceOf(art)) return live->effect;
  if (art.kind() != host::art::ArtKind::PluginGroup) return "";
  const auto element = kept.art.find(art.uid());
  if (element == kept.art.end()) return "";
  for (const auto& [name, value] : element->second.attributes)
    if (name == "vx:effect") return value;
  return "";
}

int ListObjects(const std::string& input) {
  svg::ImportResult document;
  if (int code = ReadSvgDocument(input, &document)) return code;
  const host::art::Document& doc = *document.document;
  std::cout << "id\ttype\tlabel\tlayer\tx,y,width,height\teffect\n";
  ForEachObject(doc, [&](const host::art::Art& art, const std::string& place, int depth) {
    const host::art::BoundsBuilder b = host::art::ArtBounds(art, nullptr, 0);
    std::string bounds = "-";
    if (!b.empty)
      bounds = NumberText(b.left) + "," + NumberText(doc.artboard.top - b.top) + "," +
               NumberText(b.right - b.left) + "," + NumberText(b.top - b.bottom);
    const host::art::Layer* layer = art.layer();
    std::cout << std::string(size_t(depth) * 2, ' ') << ObjectId(art, place) << "\t"
              << TypeName(art) << "\t" << art.name() << "\t" << (layer ? layer->title : "")
              << "\t" << bounds << "\t" << EffectName(art, document.kept) << "\n";
  });
  return kExitOk;
}

}  // namespace

void SetUpObjectsCommand(CLI::App& app, CommonOptions& common, int& exitCode) {
  CLI::App* cmd = app.add_subcommand(
      "objects", "List each object of a file: the id --select takes, type, Inkscape label, "
                 "layer, bounds and live effect");
  if (!SetsUpOptions(*cmd, common)) return;
  static std::string input;
  cmd->add_option("input", input, "The SVG file to read (\"-\": standard input)")->required();
  (void)common;
  cmd->callback([&exitCode] { exitCode = ListObjects(input); });
}

}  // namespace vx::app
