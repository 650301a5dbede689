// versalix4 render: a PNG picture of an SVG file, drawn by librsvg.
#include <signal.h>
#include <unistd.h>

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

}  // namespace

void SetUpRenderCommand(CLI::App& app, CommonOptions& common, int& exitCode) {
  CLI::App* cmd = app.add_subcommand("render", "Draw an SVG file as a PNG picture");
  static std::string input, output;
  static int width = 800;
  static unsigned timeout = 60;
  cmd->add_option("input", input, "The SVG file to draw (\"-\": standard input)")->required();
  AddOutputOptions(*cmd, output, common, "The PNG file");
  cmd->add_option("--width", width, "Width of the picture in pixels (default 800); the height "
                                    "keeps the document's aspect ratio")
      ->check(CLI::Range(1, host::render::kMaxRasterSide));
  cmd->add_option("--timeout", timeout, "Give up drawing after this many seconds (default 60)")
      ->check(CLI::Range(1, 86400));
  AddCommonOptions(*cmd, common);
  cmd->callback([&common, &exitCode] {
    if ((exitCode = CheckOutputTarget(input, output, common))) return;
    std::string bytes, error;
    if (!host::io::ReadFile(input, &bytes, &error)) {
      std::cerr << "versalix4: " << error << "\n";
      exitCode = kExitIo;
      return;
    }
    signal(SIGALRM, RenderTimedOut);
    alarm(timeout);
    auto raster = host::render::RenderSvg(bytes, width, &error, input == "-" ? "" : input);
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
