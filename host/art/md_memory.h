// Host memory handles (the MdMemory suite): relocatable blocks the host
// gives the plug-in (art lists, filter parameter blocks). Both the handle
// and its bytes come from the host's block allocator, so the block census
// sees a handle the plug-in forgot to dispose of.
#pragma once

#include <cstddef>
#include <vector>

#include "vx_sdk.h"

namespace vx::host {
class BlockAllocator;
}

namespace vx::host::art {

class Art;

// A handle of size bytes (contents not cleared); 0 or -108.
ASErr NewMdHandle(BlockAllocator& blocks, std::size_t size, const char* label,
                  AIMdMemoryHandle* handle);
// Null is accepted and ignored.
ASErr DisposeMdHandle(BlockAllocator& blocks, AIMdMemoryHandle handle);
ASErr MdHandleSize(BlockAllocator& blocks, AIMdMemoryHandle handle,
                   std::size_t* size);
// Keeps the first min(old, new) bytes; the handle stays valid on failure.
ASErr ResizeMdHandle(BlockAllocator& blocks, AIMdMemoryHandle handle,
                     std::size_t size);

// An art list for the plug-in: a handle holding the art handles, or null
// when the list is empty; count receives the number of entries.
ASErr MakeArtList(BlockAllocator& blocks, const std::vector<Art*>& art,
                  AIArtHandleList* list, int32_t* count);

}  // namespace vx::host::art
