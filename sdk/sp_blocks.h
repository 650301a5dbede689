/* The host's block allocator. Every block carries a label; the host keeps a
 * census of live blocks. Failure is -108 with *block set to null. */
#ifndef VX_SP_BLOCKS_H
#define VX_SP_BLOCKS_H
#include "vx_base.h"

#define kSPBlocksSuite "SP Blocks Suite"
#define kSPBlocksSuiteVersion 2

typedef struct SPBlocksSuite {
  /* The new block's bytes are not cleared. */
  ASErr (*AllocateBlock)(size_t size, const char* debugName, void** block);
  ASErr (*FreeBlock)(void* block);
  /* Keeps the first min(old, new) bytes; on failure the old block stays. */
  ASErr (*ReallocateBlock)(void* block, size_t newSize, const char* debugName,
                           void** newBlock);
} SPBlocksSuite;

#endif
