#include "shell/blocks.h"

namespace vx {

ASErr NewBlock(std::size_t size, const char* label, void** block) {
  *block = nullptr;
  if (!sBlocks) return kOutOfMemoryErr;
  ASErr err = sBlocks->AllocateBlock(size, label, block);
  if (err) {
    *block = nullptr;
    return err;
  }
  return *block ? kNoErr : kOutOfMemoryErr;
}

void FreeBlock(void*& block) {
  if (block && sBlocks) sBlocks->FreeBlock(block);
  block = nullptr;
}

}  // namespace vx
