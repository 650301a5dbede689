// The host's block allocator: every block the plug-in holds is recorded with
// its label, so a test can take a census of live blocks after an operation,
// and any allocation can be made to fail on purpose.
#pragma once

#include <cstddef>
#include <cstdint>
#include <map>
#include <string>
#include <unordered_map>

namespace vx::host {

class BlockAllocator {
 public:
  // Byte written over every new block, so code that relies on cleared memory
  // fails in tests.
  static constexpr unsigned char kGarbage = 0xA5;

  BlockAllocator() = default;
  BlockAllocator(const BlockAllocator&) = delete;
  BlockAllocator& operator=(const BlockAllocator&) = delete;
  ~BlockAllocator();

  // Result codes as the block suite answers them: 0 or -108.
  int32_t Allocate(std::size_t size, const char* label, void** block);
  int32_t Free(void* block);
  int32_t Reallocate(void* block, std::size_t size, const char* label,
                     void** newBlock);

  std::size_t LiveCount() const { return live_.size(); }
  // Live blocks by label, for leak reports.
  std::map<std::string, int> LiveByLabel() const;
  std::string LiveReport() const;
  bool IsLive(const void* block) const { return live_.count(block) != 0; }
  std::size_t SizeOf(const void* block) const;

  // Makes allocation number n (1-based, counted from this call) fail; 0
  // turns the failure off. Counts every Allocate and Reallocate.
  void FailAllocationNumber(long n);
  // Allocations made since the last FailAllocationNumber / ResetCounter.
  long AllocationCount() const { return counter_; }
  void ResetCounter() { counter_ = 0; }

 private:
  bool ShouldFail();

  struct Info {
    std::size_t size;
    std::string label;
  };
  std::unordered_map<const void*, Info> live_;
  long counter_ = 0;
  long failAt_ = 0;
};

}  // namespace vx::host
