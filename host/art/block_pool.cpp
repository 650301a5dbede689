#include "host/art/block_pool.h"

#include <algorithm>
#include <new>

#if defined(__SANITIZE_ADDRESS__)
#include <sanitizer/asan_interface.h>
#define VX_POISON(p, n) ASAN_POISON_MEMORY_REGION(p, n)
#define VX_UNPOISON(p, n) ASAN_UNPOISON_MEMORY_REGION(p, n)
#else
#define VX_POISON(p, n) ((void)(p), (void)(n))
#define VX_UNPOISON(p, n) ((void)(p), (void)(n))
#endif

namespace vx::host::art {

namespace {
// Chunks of 16 blocks, doubling up to 256: a small owner takes little, and
// no owner holds more than one chunk's worth of blocks it never used.
std::size_t ChunkBlocks(std::size_t index) {
  return std::size_t{16} << std::min<std::size_t>(index, 4);
}
}  // namespace

BlockPool::~BlockPool() {
  for (std::size_t i = 0; i < chunks_.size(); ++i)
    VX_UNPOISON(chunks_[i].get(), ChunkBlocks(i) * blockSize_);
}

void* BlockPool::Allocate() {
  if (free_) {
    FreeBlock* block = free_;
    VX_UNPOISON(block, blockSize_);
    free_ = block->next;
    return block;
  }
  if (next_ == end_) Grow();
  std::byte* block = next_;
  next_ += blockSize_;
  VX_UNPOISON(block, blockSize_);
  return block;
}

void BlockPool::Free(void* block) {
  if (!block) return;
  free_ = ::new (block) FreeBlock{free_};
  VX_POISON(block, blockSize_);
}

void BlockPool::Grow() {
  const std::size_t blocks = ChunkBlocks(chunks_.size());
  chunks_.push_back(std::make_unique_for_overwrite<std::byte[]>(blocks * blockSize_));
  next_ = chunks_.back().get();
  end_ = next_ + blocks * blockSize_;
  VX_POISON(next_, blocks * blockSize_);
}

}  // namespace vx::host::art
