#include "host/platform/huge_page_heap.h"

#include <malloc.h>
#include <sys/mman.h>
#include <unistd.h>

#include <cstdint>
#include <cstdlib>

namespace vx::host {

namespace {
constexpr uintptr_t kHugePage = uintptr_t(2) << 20;
constexpr size_t kReserve = size_t(64) << 20;  // address space only, until touched
}  // namespace

void UseHugePageHeap() {
  // Every block below 32 MiB from the one heap (not from a mapping of its
  // own), which grows by at least 64 MiB at a time and is never given back
  // while the command runs.
  mallopt(M_MMAP_THRESHOLD, 32 << 20);
  mallopt(M_TOP_PAD, int(kReserve));
  mallopt(M_TRIM_THRESHOLD, 256 << 20);
  // Grow the heap now by the reserve, and ask for huge pages over it: a
  // madvise covers only what is mapped, so it must follow the growth. The
  // kernel answers EINVAL where it has no huge pages; nothing to do then.
  const uintptr_t before = reinterpret_cast<uintptr_t>(sbrk(0));
  void* volatile grow = std::malloc(kHugePage);  // volatile: kept by the optimizer
  std::free(grow);
  const uintptr_t after = reinterpret_cast<uintptr_t>(sbrk(0));
  const uintptr_t start = (before + kHugePage - 1) & ~(kHugePage - 1);
  const uintptr_t end = after & ~(kHugePage - 1);
  if (end > start) madvise(reinterpret_cast<void*>(start), end - start, MADV_HUGEPAGE);
}

}  // namespace vx::host
