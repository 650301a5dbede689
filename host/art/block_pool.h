// Blocks of one size for the objects of one owner (a document's art): handed
// out of chunks that grow with the owner and are freed with the pool, a
// freed block reused first. Taking a block costs a few instructions where a
// heap allocation costs a hundred, and a block carries no heap header.
//
// Not thread-safe (neither is its owner). Blocks must be given back before
// the pool is destroyed; in an address-sanitized build a free block is
// poisoned, so a use after free is still reported.
#pragma once

#include <cstddef>
#include <memory>
#include <vector>

namespace vx::host::art {

class BlockPool {
 public:
  // blockSize: a multiple of the alignment the blocks need (at most the
  // alignment operator new gives).
  explicit BlockPool(std::size_t blockSize) : blockSize_(blockSize) {}
  ~BlockPool();
  BlockPool(const BlockPool&) = delete;
  BlockPool& operator=(const BlockPool&) = delete;

  // Throws std::bad_alloc as operator new does.
  void* Allocate();
  void Free(void* block);

 private:
  void Grow();

  struct FreeBlock {
    FreeBlock* next;
  };
  std::size_t blockSize_;
  FreeBlock* free_ = nullptr;
  std::vector<std::unique_ptr<std::byte[]>> chunks_;
  std::byte* next_ = nullptr;  // the newest chunk's blocks never handed out
  std::byte* end_ = nullptr;
};

}  // namespace vx::host::art
