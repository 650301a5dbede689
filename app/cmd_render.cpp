// versalix4 render: a PNG picture of an SVG file, drawn by librsvg.
#include <signal.h>
#include <unistd.h>

#include <cctype>
#include <cstdlib>
#include <filesystem>
#include <iostream>

#include "app/cli.h"
#include "app/document_files.h"
#include "host/io/atomic_file.h"
#include "host/render/png_render.h"

namespace vx::app {

namespace {

// librsvg cannot be interrupted, so a drawing that runs past --timeout ends
// the process from the alarm. The alarm is cancelled before the output is
// written, so it never cuts a file short.
void RenderTimedOut(int) {
  static const char message[] = "versalix4: render: the drawing took longer than --timeout\n";
  ssize_t ignored = write(STDERR_FILENO, message, sizeof message - 1);
  (void)ignored;
  _exit(kExitFailed);
}

// "#rrggbb" or "#rrggbbaa" into RGBA; false when it is neither.
bool ParseColour(const std::string& text, uint8_t rgba[4]) {
  if (text.size() != 7 && text.size() != 9) return false;
  if (text[0] != '#') return false;
  rgba[3] = 255;
  for (size_t i = 1; i < text.size(); i += 2) {
    char* end = nullptr;
    const std::string pair = text.substr(i, 2);
    const long v = std::strtol(pair.c_str(), &end, 16);
    if (*end || !std::isxdigit(static_cast<unsigned char>(pair[0]))) return false;
    rgba[i / 2] = uint8_t(v);
  }
  return true;
}

// The picture types render writes: PNG only, whatever the output's name
// would ask for; a name without a type (a device, "-") gets PNG.
bool WritesPng(const std::string& output) {
  const std::string type = Lower(std::filesystem::path(output).extension().string());
  return type.empty() || type == ".png";
}

}  // namespace

void SetUpRenderCommand(CLI::App& app, CommonOptions& common, int& exitCode) {
  CLI::App* cmd = app.add_subcommand("render", "Draw an SVG file as a PNG picture");
  if (!SetsUpOptions(*cmd, common)) return;
  static std::string input, output;
  static host::render::RenderRequest request;
  static std::string background;
  static unsigned timeout = 60;
  cmd->add_option("input", input, "The SVG file to draw (\"-\": standard input)")->required();
  AddOutputOptions(*cmd, output, common, "The PNG file");
  cmd->add_option("--width", request.width,
                  "Width of the picture in pixels; with no --height the height keeps the "
                  "area's aspect ratio (default without --height and --dpi: 800)")
      ->check(CLI::Range(1, host::render::kMaxRasterSide));
  cmd->add_option("--height", request.height,
                  "Height of the picture in pixels; with no --width the width keeps the aspect ratio")
      ->check(CLI::Range(1, host::render::kMaxRasterSide));
  cmd->add_option("--dpi", request.dpi,
                  "Pixels per inch, when neither --width nor --height is given (96: one pixel "
                  "per SVG pixel)")
      ->check(kFiniteNumber & CLI::Range(1.0, 9600.0));
  cmd->add_option("--background", background,
                  "Colour under the drawing, #rrggbb or #rrggbbaa (default: transparent)");
  cmd->add_option("--area", request.area,
                  "What to draw: page (the document, default), drawing (the bounds of what it "
                  "draws) or the id of an element");
  cmd->add_option("--timeout", timeout, "Give up drawing after this many seconds (default 60)")
      ->check(CLI::Range(1, 86400));
  AddCommonOptions(*cmd, common);
  cmd->callback([&common, &exitCode] {
    if ((exitCode = CheckOutputTarget(input, output, common))) return;
    if (!WritesPng(output)) {
      std::cerr << "versalix4: render writes PNG pictures only; " << output
                << " asks for another type\n";
      exitCode = kExitUsage;
      return;
    }
    request.hasBackground = !background.empty();
    if (request.hasBackground && !ParseColour(background, request.background)) {
      std::cerr << "versalix4: --background takes #rrggbb or #rrggbbaa, not " << background << "\n";
      exitCode = kExitUsage;
      return;
    }
    if (request.width == 0 && request.height == 0 && request.dpi == 0) request.width = 800;
    std::string bytes, error;
    if (!host::io::ReadFile(input, &bytes, &error)) {
      std::cerr << "versalix4: " << error << "\n";
      exitCode = kExitIo;
      return;
    }
    signal(SIGALRM, RenderTimedOut);
    alarm(timeout);
    auto raster =
        host::render::RenderSvgArea(bytes, request, &error, input == "-" ? "" : input);
    alarm(0);
    if (!raster) {
      std::cerr << "versalix4: cannot render " << input << ": " << error << "\n";
      exitCode = kExitIo;
      return;
    }
    exitCode = WriteOutputFile(output, host::render::EncodePng(*raster));
  });
}

}  // namespace vx::app
