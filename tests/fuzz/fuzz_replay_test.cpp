// Replays the corpus and every kept failing input of each fuzz target (the
// properties abort on failure), and a few hand-made edges; the sanitizer
// build turns any overrun or undefined conversion into a failure.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "fuzz/preset_fuzz_harness.h"
#include "fuzz/script_fuzz_harness.h"
#include "fuzz/svg_fuzz_harness.h"
#include "presets/preset_store.h"
#include "support/scratch_folder.h"

namespace {

namespace fs = std::filesystem;
using Harness = void (*)(const uint8_t*, std::size_t);

void Replay(const std::string& bytes, Harness run) {
  run(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
}

int ReplayFolder(const fs::path& dir, Harness run) {
  int count = 0;
  if (!fs::is_directory(dir)) return 0;
  for (const auto& file : fs::directory_iterator(dir)) {
    SCOPED_TRACE(file.path().string());
    Replay(vx::test::ReadFile(file.path()), run);
    ++count;
  }
  return count;
}

TEST(FuzzReplay, CorpusAndKeptInputs) {
  const fs::path here = fs::path(__FILE__).parent_path();
  const struct {
    const char* corpus;
    const char* kept;  // failing inputs kept as regression cases
    Harness run;
  } targets[] = {{"presets", "preset_cases", vx::fuzz::RunPresetInput},
                 {"svg", "svg_cases", vx::fuzz::RunSvgInput},
                 {"path_data", "path_data_cases", vx::fuzz::RunPathDataInput},
                 {"live_record", "live_record_cases", vx::fuzz::RunLiveRecordInput},
                 {"script", "script_cases", vx::fuzz::RunScriptInput}};
  for (const auto& t : targets) {
    SCOPED_TRACE(t.corpus);
    EXPECT_GT(ReplayFolder(here / "corpus" / t.corpus, t.run), 0);
    ReplayFolder(here / t.kept, t.run);  // absent until a failing input is kept
  }
}

TEST(FuzzReplay, HandMadeEdges) {
  // An arc to an end point at infinity once reached a float-to-int
  // conversion out of range in the arc splitter.
  for (const char* d : {"M0 0 A 5 5 0 0 1 1e400 1e400", "M0 0 A 1e400 5 0 1 1 10 10",
                        "M0 0 A 5 5 1e400 0 1 10 10", "M1e308 0 A 5 5 0 0 1 -1e308 0"}) {
    Replay(d, vx::fuzz::RunPathDataInput);
    Replay("<svg xmlns='http://www.w3.org/2000/svg'><path d='" + std::string(d) + "'/></svg>",
           vx::fuzz::RunSvgInput);
  }
  // A text placed or sized past what a float holds once wrote "inf".
  for (const char* text : {"<text x='1e50'>a</text>", "<text font-size='1e50'>a</text>",
                           "<path id='p' d='M0 0H9'/><text><textPath href='#p' startOffset='1e50'>a</textPath></text>"}) {
    Replay("<svg xmlns='http://www.w3.org/2000/svg'>" + std::string(text) + "</svg>", vx::fuzz::RunSvgInput);
  }
  const std::string banner = vx::kPresetBanner;
  for (const std::string& bytes : {
           std::string(), std::string("$"), std::string("$\t"),
           banner, banner + "\t", banner + "\tkind",
           banner + "\t" + std::string(200, 'k') + "\r\n",
           banner + "\tk\r\n$\t$\t$\t$\t$\t$\t",
           banner + "\tk\r\n$\tD\r\n$\tL\r\n$\t" + std::string(100000, 'n'),
           banner + "\tk\r\n$\tD\r\nA\t" + std::string(20000, '9') + "\r\n",
           banner + "\tk\r\n$\tD\r\nF\t-1e999,1e-999,nan,inf,-0x1p3\r\nG\t-\r\n",
           std::string("$\tx\rA\t1e") + std::string(600, '9')}) {
    Replay(bytes, vx::fuzz::RunPresetInput);
  }
}

}  // namespace
