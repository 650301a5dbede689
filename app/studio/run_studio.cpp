// The studio program (versalix4-studio): the plug-in, interactively, in a
// browser. A local web server on the loopback address shows one document,
// the plug-in's menus, tools, dialogs and palettes; the page's actions become
// the same user actions the command line uses. The host runs on this (the
// main) thread.
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <iostream>

#include "app/studio/cmd_studio.h"
#include "app/studio/server.h"
#include "host/core/host.h"

namespace vx::app {

namespace {

volatile std::sig_atomic_t gStop = 0;
void OnSignal(int) { gStop = 1; }

// Opens the page in the user's browser when there is a display to show it.
void OpenBrowser(const std::string& url) {
  if (!std::getenv("DISPLAY") && !std::getenv("WAYLAND_DISPLAY")) return;
  const std::string command = "xdg-open '" + url + "' >/dev/null 2>&1 &";
  if (std::system(command.c_str()) != 0)
    std::cerr << "versalix4: studio: could not start a browser; open the address above\n";
}

}  // namespace

int RunStudio(const CommonOptions& common, const StudioOptions& options) {
  namespace fs = std::filesystem;
  const fs::path file = options.file.empty() ? fs::path() : fs::absolute(options.file);
  int failure = kExitInternal;
  auto host = MakeHost(common, &failure);
  if (!host) return failure;
  if (int32_t err = host->Startup()) return ReportFailure("start-up", err);
  int code = kExitOk;
  {
    studio::HostQueue queue;
    studio::Version version;
    studio::Session session(*host, queue, version,
                            studio::FileRule(file.empty() ? fs::current_path() : file.parent_path()));
    session.interrupted = [] { return gStop != 0; };
    if (std::string error = session.OpenDocument(file); !error.empty()) {
      std::cerr << "versalix4: studio: " << error << "\n";
      code = kExitIo;
    } else {
      studio::Server server(queue, session, version, studio::MakeToken());
      const int port = server.Start(options.port);
      if (port < 0) {
        std::cerr << "versalix4: studio: cannot listen on 127.0.0.1:" << options.port << "\n";
        code = kExitIo;
      } else {
        const std::string url =
            "http://127.0.0.1:" + std::to_string(port) + "/?token=" + server.token();
        std::cout << "VERSALiX4 Studio: " << url << std::endl;
        if (!options.noBrowser) OpenBrowser(url);
        std::signal(SIGINT, OnSignal);
        std::signal(SIGTERM, OnSignal);
        while (!session.quitting()) queue.RunNext(std::chrono::milliseconds(100));
        queue.Close();
        server.Stop();
      }
    }
  }
  if (int32_t err = host->Shutdown(); err && code == kExitOk) code = ReportFailure("shutdown", err);
  // Every block the plug-in took from the host must be back by now.
  if (const size_t live = host->blocks().LiveCount(); live && code == kExitOk) {
    std::cerr << "versalix4: studio: " << live << " memory blocks were left live\n";
    code = kExitInternal;
  }
  return code;
}

}  // namespace vx::app
