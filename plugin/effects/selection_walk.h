// The host's list of selected art for the effects' walks, released on every
// way out. Effect walks examine entries from index 1 on: entry 0 is never
// looked at, also when it is the only one.
#pragma once

#include <cstdint>

#include "shell/suites.h"

namespace vx {

class SelectedArtList {
 public:
  SelectedArtList() = default;
  ~SelectedArtList() {
    if (list_ && sMdMemory)
      sMdMemory->MdMemoryDisposeHandle(reinterpret_cast<AIMdMemoryHandle>(list_));
  }
  SelectedArtList(const SelectedArtList&) = delete;
  SelectedArtList& operator=(const SelectedArtList&) = delete;

  // Without an open document nothing is selected.
  ASErr Fetch() {
    const ASErr err = sMatchingArt->GetSelectedArt(&list_, &count_);
    if (err == kNoDocumentErr) {
      list_ = nullptr;
      count_ = 0;
      return kNoErr;
    }
    return err;
  }
  int32_t count() const { return list_ ? count_ : 0; }
  AIArtHandle operator[](int32_t i) const { return (*list_)[i]; }

 private:
  AIArtHandleList list_ = nullptr;
  int32_t count_ = 0;
};

// First entry the effects' walks examine.
constexpr int32_t kFirstWalkedEntry = 1;

// Whether art is plug-in group art bound to the effect's group (false for
// dead handles and other art).
bool IsEffectArtOf(int effect, AIArtHandle art);

}  // namespace vx
