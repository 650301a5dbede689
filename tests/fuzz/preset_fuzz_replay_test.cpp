// Replays every kept fuzz input and a few hand-made ones through the preset
// readers; sanitizer builds turn any overrun into a failure.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "fuzz/preset_fuzz_harness.h"
#include "presets/preset_store.h"

namespace {

void RunInput(const std::string& bytes) {
  vx::fuzz::RunPresetInput(reinterpret_cast<const uint8_t*>(bytes.data()),
                           bytes.size());
}

TEST(PresetFuzzReplay, KeptInputs) {
  const auto dir =
      std::filesystem::path(__FILE__).parent_path() / "preset_cases";
  int count = 0;
  for (const auto& file : std::filesystem::directory_iterator(dir)) {
    SCOPED_TRACE(file.path().string());
    std::ifstream in(file.path(), std::ios::binary);
    RunInput(std::string(std::istreambuf_iterator<char>(in), {}));
    ++count;
  }
  EXPECT_GT(count, 0);
}

TEST(PresetFuzzReplay, HandMadeEdges) {
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
    RunInput(bytes);
  }
}

}  // namespace
