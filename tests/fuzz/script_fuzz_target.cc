// libFuzzer entry (built with clang by scripts/fuzz.sh); kept crash inputs
// live in script_cases/ and are replayed by test_fuzz.
#include "script_fuzz_harness.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  vx::fuzz::RunScriptInput(data, size);
  return 0;
}
