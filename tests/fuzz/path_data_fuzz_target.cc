// libFuzzer entry (built with clang by scripts/fuzz.sh); kept crash inputs
// live in path_data_cases/ and are replayed by test_fuzz.
#include "svg_fuzz_harness.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  vx::fuzz::RunPathDataInput(data, size);
  return 0;
}
