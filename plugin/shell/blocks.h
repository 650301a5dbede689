// Plug-in memory from the host's block allocator, freed on every way out.
#pragma once

#include <cstddef>

#include "shell/suites.h"

namespace vx {

// Allocates size bytes under label; -108 when the host cannot (or the
// blocks suite is absent). *block is null on failure.
ASErr NewBlock(std::size_t size, const char* label, void** block);
// Frees a block (null is fine) and clears the pointer.
void FreeBlock(void*& block);

// Owns one block until destroyed or released.
template <typename T>
class BlockPtr {
 public:
  BlockPtr() = default;
  ~BlockPtr() { Reset(); }
  BlockPtr(const BlockPtr&) = delete;
  BlockPtr& operator=(const BlockPtr&) = delete;

  // Allocates count elements of T under label.
  ASErr Allocate(std::size_t count, const char* label) {
    Reset();
    void* raw = nullptr;
    ASErr err = NewBlock(count * sizeof(T), label, &raw);
    p_ = static_cast<T*>(raw);
    return err;
  }
  T* get() const { return p_; }
  T& operator[](std::size_t i) const { return p_[i]; }
  explicit operator bool() const { return p_ != nullptr; }
  // Gives up ownership.
  T* Release() {
    T* p = p_;
    p_ = nullptr;
    return p;
  }
  void Reset() {
    void* raw = p_;
    FreeBlock(raw);
    p_ = nullptr;
  }

 private:
  T* p_ = nullptr;
};

}  // namespace vx
