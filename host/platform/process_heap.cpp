#include "host/platform/process_heap.h"

#include <malloc.h>
#include <sys/mman.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>

namespace vx::host {

namespace {
constexpr size_t kReserve = size_t(64) << 20;  // address space only, until touched
constexpr uintptr_t kPage = 4096;
// Below the mapping threshold, so that the block comes from the heap.
constexpr size_t kMostPrefaulted = size_t(31) << 20;
#ifndef MADV_POPULATE_WRITE
constexpr int MADV_POPULATE_WRITE = 23;  // Linux 5.14
#endif
}  // namespace

void SetUpProcessHeap() {
  mallopt(M_MMAP_THRESHOLD, 32 << 20);
  mallopt(M_TOP_PAD, int(kReserve));
  mallopt(M_TRIM_THRESHOLD, 256 << 20);
  // No transparent huge pages: on a virtual machine that hands freed memory
  // back to its host, a 2 MiB page is often rebuilt by the host 4 KiB at a
  // time, and a run after a large process (Inkscape's, say) then took twice
  // as long as one in 4 KiB pages, which cost the same whatever ran before.
}

void PrefaultHeap(size_t bytes) {
  // A block of that size comes from the heap's top (growing the heap where
  // needed), where the blocks asked for next come from once it is freed.
  const size_t length = std::min(bytes, kMostPrefaulted) & ~size_t(kPage - 1);
  if (!length) return;
  void* room = std::malloc(length);
  if (!room) return;
  const uintptr_t start = (reinterpret_cast<uintptr_t>(room) + kPage - 1) & ~(kPage - 1);
  // Older kernels answer EINVAL: the pages then come one fault at a time.
  madvise(reinterpret_cast<void*>(start), length - kPage, MADV_POPULATE_WRITE);
  std::free(room);
}

}  // namespace vx::host
