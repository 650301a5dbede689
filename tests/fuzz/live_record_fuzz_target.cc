// libFuzzer entry (built with clang by scripts/fuzz.sh); kept crash inputs
// live in live_record_cases/ and are replayed by test_fuzz.
#include "svg_fuzz_harness.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  vx::fuzz::RunLiveRecordInput(data, size);
  return 0;
}
