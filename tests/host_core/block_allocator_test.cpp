#include "host/core/block_allocator.h"

#include <gtest/gtest.h>

#include "vx_base.h"

namespace vx::host {
namespace {

// The census counts live blocks by label; new blocks are not cleared; a
// block the allocator never gave cannot be freed.
TEST(BlockAllocator, CensusGarbageAndFrees) {
  BlockAllocator blocks;
  void* a = nullptr;
  void* b = nullptr;
  ASSERT_EQ(0, blocks.Allocate(16, "segs buffer", &a));
  ASSERT_EQ(0, blocks.Allocate(8, "segs buffer", &b));
  EXPECT_EQ(BlockAllocator::kGarbage, static_cast<unsigned char*>(b)[7]);
  EXPECT_EQ(2u, blocks.LiveCount());
  EXPECT_EQ(2, blocks.LiveByLabel()["segs buffer"]);
  EXPECT_EQ(0, blocks.Free(a));
  EXPECT_EQ(0, blocks.Free(b));
  EXPECT_EQ(0u, blocks.LiveCount());
  int local = 0;
  EXPECT_NE(0, blocks.Free(&local));
  EXPECT_EQ(0, blocks.Free(nullptr));
}

TEST(BlockAllocator, FailsTheNthAllocationOnly) {
  BlockAllocator blocks;
  blocks.FailAllocationNumber(2);
  void* a = nullptr;
  void* b = reinterpret_cast<void*>(1);
  void* c = nullptr;
  EXPECT_EQ(0, blocks.Allocate(1, "a", &a));
  EXPECT_EQ(kOutOfMemoryErr, blocks.Allocate(1, "b", &b));
  EXPECT_EQ(nullptr, b);
  EXPECT_EQ(0, blocks.Allocate(1, "c", &c));
  blocks.Free(a);
  blocks.Free(c);
}

TEST(BlockAllocator, ReallocateKeepsContentAndFailureKeepsOldBlock) {
  BlockAllocator blocks;
  void* a = nullptr;
  ASSERT_EQ(0, blocks.Allocate(2, "x", &a));
  static_cast<char*>(a)[0] = 'h';
  static_cast<char*>(a)[1] = 'i';
  blocks.FailAllocationNumber(1);
  void* b = nullptr;
  EXPECT_EQ(kOutOfMemoryErr, blocks.Reallocate(a, 10, "x", &b));
  EXPECT_TRUE(blocks.IsLive(a));
  ASSERT_EQ(0, blocks.Reallocate(a, 10, "y", &b));
  EXPECT_EQ('i', static_cast<char*>(b)[1]);
  EXPECT_EQ(10u, blocks.SizeOf(b));
  EXPECT_FALSE(blocks.IsLive(a));
  EXPECT_EQ(1, blocks.LiveByLabel()["y"]);
  blocks.Free(b);
}

}  // namespace
}  // namespace vx::host
