#include "support/allocation_sweep.h"

#include <gtest/gtest.h>

namespace vx::test {

long SweepAllocationFailures(host::Host& host, const AllocationSweep& sweep) {
  auto& blocks = host.blocks();
  for (long n = 1;; ++n) {
    SCOPED_TRACE(testing::Message() << "failing allocation " << n);
    if (sweep.prepare) sweep.prepare();
    const long live = long(blocks.LiveCount());
    blocks.FailAllocationNumber(n);
    const ASErr result = sweep.run();
    const bool failed = blocks.AllocationCount() >= n;
    blocks.FailAllocationNumber(0);
    const long kept = sweep.kept ? sweep.kept() : 0;
    EXPECT_EQ(live + kept, long(blocks.LiveCount())) << blocks.LiveReport();
    if (sweep.check) {
      sweep.check(result, n, failed);
    } else {
      EXPECT_EQ(failed ? kOutOfMemoryErr : kNoErr, result);
    }
    if (!failed || testing::Test::HasFatalFailure()) return n;
    if (n >= sweep.cap) {
      ADD_FAILURE() << "no run succeeded in " << n << " runs";
      return n;
    }
  }
}

}  // namespace vx::test
