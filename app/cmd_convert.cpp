// versalix4 convert: read an SVG file into the host's document model and
// write it out again (optionally only the selected objects).
#include <set>
#include <vector>

#include "app/cli.h"
#include "app/document_files.h"

namespace vx::app {

namespace {

// The command is done with the document and the process ends: its memory
// goes back to the system at once, instead of the document being taken
// apart object by object. Reachable from here to the end, so never reported
// as a leak.
void KeepUntilExit(svg::ImportResult&& document) {
  static auto* const kept = new std::vector<svg::ImportResult>();
  kept->push_back(std::move(document));
}

}  // namespace

void SetUpConvertCommand(CLI::App& app, CommonOptions& common, int& exitCode) {
  CLI::App* cmd = app.add_subcommand(
      "convert", "Read an SVG file into the host's document and write it out again");
  if (!SetsUpOptions(*cmd, common)) return;
  static std::string input, output;
  cmd->add_option("input", input, "The SVG file to read")->required();
  AddOutputOptions(*cmd, output, common, "The SVG file");
  AddCommonOptions(*cmd, common);
  cmd->callback([&common, &exitCode] {
    if ((exitCode = CheckOutputTarget(input, output, common))) return;
    svg::ImportResult document;
    if ((exitCode = ReadSvgDocument(input, &document))) return;
    std::set<const host::art::Art*> only;
    if (!common.select.empty()) {
      std::vector<host::art::Art*> selection;
      if ((exitCode = SelectedArt(*document.document, common, &selection))) return;
      only.insert(selection.begin(), selection.end());
    }
    exitCode = WriteSvgDocument(output, *document.document, &document.kept,
                                common.select.empty() ? nullptr : &only);
    KeepUntilExit(std::move(document));
  });
}

}  // namespace vx::app
