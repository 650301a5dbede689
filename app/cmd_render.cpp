// versalix4 render: a PNG picture of an SVG file, drawn by librsvg.
#include "app/cli.h"
#include "app/document_files.h"
#include "host/io/atomic_file.h"
#include "host/render/png_render.h"

namespace vx::app {

void SetUpRenderCommand(CLI::App& app, CommonOptions& common, int& exitCode) {
  CLI::App* cmd = app.add_subcommand("render", "Draw an SVG file as a PNG picture");
  static std::string input, output;
  static int width = 800;
  cmd->add_option("input", input, "The SVG file to draw")->required();
  cmd->add_option("-o,--output", output, "The PNG file to write")->required();
  cmd->add_option("--width", width, "Width of the picture in pixels (default 800)")
      ->check(CLI::Range(1, host::render::kMaxRasterSide));
  AddCommonOptions(*cmd, common);
  cmd->callback([&exitCode] {
    std::string bytes, error;
    if (!host::io::ReadFile(input, &bytes, &error)) {
      std::cerr << "versalix4: " << error << "\n";
      exitCode = kExitIo;
      return;
    }
    exitCode = WritePngPicture(output, bytes, width, input);
  });
}

}  // namespace vx::app
