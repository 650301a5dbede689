#include "host/core/block_allocator.h"

#include <cstdlib>
#include <cstring>
#include <sstream>

#include "vx_base.h"

namespace vx::host {

BlockAllocator::~BlockAllocator() {
  for (auto& [block, info] : live_) std::free(const_cast<void*>(block));
}

bool BlockAllocator::ShouldFail() {
  ++counter_;
  return failAt_ > 0 && counter_ == failAt_;
}

int32_t BlockAllocator::Allocate(std::size_t size, const char* label,
                                 void** block) {
  if (!block) return kSPBadParameterError;
  *block = nullptr;
  if (ShouldFail()) return kOutOfMemoryErr;
  void* p = std::malloc(size ? size : 1);
  if (!p) return kOutOfMemoryErr;
  std::memset(p, kGarbage, size);
  live_[p] = Info{size, label ? label : ""};
  *block = p;
  return kNoErr;
}

int32_t BlockAllocator::Free(void* block) {
  if (!block) return kNoErr;
  auto it = live_.find(block);
  if (it == live_.end()) return kSPBadParameterError;
  live_.erase(it);
  std::free(block);
  return kNoErr;
}

int32_t BlockAllocator::Reallocate(void* block, std::size_t size,
                                   const char* label, void** newBlock) {
  if (!newBlock) return kSPBadParameterError;
  *newBlock = nullptr;
  if (!block) return Allocate(size, label, newBlock);
  auto it = live_.find(block);
  if (it == live_.end()) return kSPBadParameterError;
  if (ShouldFail()) return kOutOfMemoryErr;
  void* p = std::malloc(size ? size : 1);
  if (!p) return kOutOfMemoryErr;
  std::size_t keep = it->second.size < size ? it->second.size : size;
  std::memcpy(p, block, keep);
  if (size > keep) std::memset(static_cast<char*>(p) + keep, kGarbage, size - keep);
  std::string newLabel = label ? label : it->second.label;
  live_.erase(it);
  std::free(block);
  live_[p] = Info{size, newLabel};
  *newBlock = p;
  return kNoErr;
}

std::map<std::string, int> BlockAllocator::LiveByLabel() const {
  std::map<std::string, int> byLabel;
  for (const auto& [block, info] : live_) ++byLabel[info.label];
  return byLabel;
}

std::string BlockAllocator::LiveReport() const {
  std::ostringstream os;
  for (const auto& [label, count] : LiveByLabel())
    os << "\"" << label << "\" x " << count << "\n";
  return os.str();
}

std::size_t BlockAllocator::SizeOf(const void* block) const {
  auto it = live_.find(block);
  return it == live_.end() ? 0 : it->second.size;
}

void BlockAllocator::FailAllocationNumber(long n) {
  failAt_ = n;
  counter_ = 0;
}

}  // namespace vx::host
