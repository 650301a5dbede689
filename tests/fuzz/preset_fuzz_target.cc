// libFuzzer entry for the preset readers (built only with clang, see
// tools/CMakeLists.txt). Inputs that once failed are kept in preset_cases/
// and replayed by test_fuzz.
#include "preset_fuzz_harness.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  vx::fuzz::RunPresetInput(data, size);
  return 0;
}
