// The allocation-failure sweep: an operation is run once with each of its
// allocations from the host's block allocator failing in turn (the first,
// the second, ...) until a run makes fewer allocations than the one that was
// set to fail, so that every allocation was made to fail once.
#pragma once

#include <functional>

#include "host/core/host.h"
#include "vx_sdk.h"

namespace vx::test {

struct AllocationSweep {
  // Every member has a default, so a sweep names only what it sets.
  // Sets up one run; nothing fails while it runs.
  std::function<void()> prepare{};
  // The operation under test, with allocation n failing; its result.
  std::function<ASErr()> run{};
  // Checks one run's result (n: the allocation that failed, or the first
  // that was not made). Default: -108 while something failed, 0 after.
  std::function<void(ASErr result, long n, bool failed)> check{};
  // Live blocks a run may leave more than it found (a parameter block it
  // keeps, for example); called after the run.
  std::function<long()> kept{};
  // More runs than this fail the test (a loop that never ends).
  long cap = 200;
};

// Runs the sweep; after every run the live block count is back where it was
// before the run (plus `kept`). Returns the number of runs.
long SweepAllocationFailures(host::Host& host, const AllocationSweep& sweep);

}  // namespace vx::test
