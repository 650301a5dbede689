// Replays the corpus and every kept failing input of the SVG, path data,
// live record and script fuzz targets (the properties abort on failure); the
// sanitizer build turns any overrun or undefined conversion into a failure.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "fuzz/script_fuzz_harness.h"
#include "fuzz/svg_fuzz_harness.h"

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
    std::ifstream in(file.path(), std::ios::binary);
    Replay(std::string(std::istreambuf_iterator<char>(in), {}), run);
    ++count;
  }
  return count;
}

TEST(SvgFuzzReplay, CorpusAndKeptInputs) {
  const fs::path here = fs::path(__FILE__).parent_path();
  const struct {
    const char* name;
    Harness run;
  } targets[] = {{"svg", vx::fuzz::RunSvgInput},
                 {"path_data", vx::fuzz::RunPathDataInput},
                 {"live_record", vx::fuzz::RunLiveRecordInput},
                 {"script", vx::fuzz::RunScriptInput}};
  for (const auto& t : targets) {
    SCOPED_TRACE(t.name);
    const int n = ReplayFolder(here / "corpus" / t.name, t.run) +
                  ReplayFolder(here / (std::string(t.name) + "_cases"), t.run);
    EXPECT_GT(n, 0);
  }
}

// An arc to an end point at infinity once reached a float-to-int conversion
// out of range in the arc splitter.
TEST(SvgFuzzReplay, ArcToInfinity) {
  for (const char* d : {"M0 0 A 5 5 0 0 1 1e400 1e400", "M0 0 A 1e400 5 0 1 1 10 10",
                        "M0 0 A 5 5 1e400 0 1 10 10", "M1e308 0 A 5 5 0 0 1 -1e308 0"}) {
    Replay(d, vx::fuzz::RunPathDataInput);
    Replay("<svg xmlns='http://www.w3.org/2000/svg'><path d='" + std::string(d) + "'/></svg>",
           vx::fuzz::RunSvgInput);
  }
}

}  // namespace
