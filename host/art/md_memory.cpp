#include "host/art/md_memory.h"

#include <cstring>

#include "host/art/art.h"
#include "host/core/block_allocator.h"

namespace vx::host::art {

namespace {
// The handle is a small block holding the master pointer to the bytes and
// their size; the bytes are a block of their own so they can move.
struct Master {
  void* data;
  std::size_t size;
};
static_assert(offsetof(Master, data) == 0, "the handle points at the data pointer");

Master* MasterOf(BlockAllocator& blocks, AIMdMemoryHandle handle) {
  return handle && blocks.IsLive(handle) ? reinterpret_cast<Master*>(handle) : nullptr;
}
}  // namespace

ASErr NewMdHandle(BlockAllocator& blocks, std::size_t size, const char* label,
                  AIMdMemoryHandle* handle) {
  if (!handle) return kSPBadParameterError;
  *handle = nullptr;
  void* master = nullptr;
  if (ASErr err = blocks.Allocate(sizeof(Master), "AIMdMemoryHandle", &master))
    return err;
  void* data = nullptr;
  // A block of at least one byte, so that an empty handle still has bytes
  // to point at.
  if (ASErr err = blocks.Allocate(size ? size : 1, label, &data)) {
    blocks.Free(master);
    return err;
  }
  auto* m = static_cast<Master*>(master);
  m->data = data;
  m->size = size;
  *handle = reinterpret_cast<AIMdMemoryHandle>(m);
  return kNoErr;
}

ASErr DisposeMdHandle(BlockAllocator& blocks, AIMdMemoryHandle handle) {
  if (!handle) return kNoErr;
  Master* m = MasterOf(blocks, handle);
  if (!m) return kSPBadParameterError;
  blocks.Free(m->data);
  blocks.Free(m);
  return kNoErr;
}

ASErr MdHandleSize(BlockAllocator& blocks, AIMdMemoryHandle handle,
                   std::size_t* size) {
  Master* m = MasterOf(blocks, handle);
  if (!m || !size) return kSPBadParameterError;
  *size = m->size;
  return kNoErr;
}

ASErr ResizeMdHandle(BlockAllocator& blocks, AIMdMemoryHandle handle,
                     std::size_t size) {
  Master* m = MasterOf(blocks, handle);
  if (!m) return kSPBadParameterError;
  void* data = nullptr;
  if (ASErr err = blocks.Reallocate(m->data, size ? size : 1, nullptr, &data))
    return err;
  m->data = data;
  m->size = size;
  return kNoErr;
}

ASErr MakeArtList(BlockAllocator& blocks, const std::vector<Art*>& art,
                  AIArtHandleList* list, int32_t* count) {
  if (!list || !count) return kSPBadParameterError;
  *list = nullptr;
  *count = 0;
  if (art.empty()) return kNoErr;
  AIMdMemoryHandle handle = nullptr;
  if (ASErr err = NewMdHandle(blocks, art.size() * sizeof(AIArtHandle),
                              "AIArtHandleList", &handle))
    return err;
  auto* out = static_cast<AIArtHandle*>(*handle);
  for (std::size_t i = 0; i < art.size(); ++i) out[i] = art[i]->handle();
  *list = reinterpret_cast<AIArtHandleList>(handle);
  *count = int32_t(art.size());
  return kNoErr;
}

}  // namespace vx::host::art
