// File primitives of the preset store: the banner, byte-wise scans for
// entry markers ("$" TAB), the rewrite through a "Tmp" copy, and files
// written beside their target and renamed over it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>

#include "presets/preset_codec.h"
#include "presets/preset_store.h"

namespace vx::presets {

constexpr char kDefaultSettingName[] = "Default Setting";
constexpr char kLastSettingName[] = "Last Setting";

// Reads an entry and tells whether it had to be cut to fit.
ASErr ReadEntry(const char* path, int32_t entry, char* out,
                std::size_t capacity, std::size_t* length, bool* truncated);

// What one rewrite does to the entries (entry numbers, 0 = Default Setting).
struct RewritePlan {
  // Save: entry replaceEntry is replaced by replaceText.
  int32_t replaceEntry = -1;
  const char* replaceText = nullptr;
  std::size_t replaceLength = 0;
  // Delete: user presets whose index is listed are left out.
  const PresetIndex* deleted = nullptr;
  int32_t deletedCount = 0;
  // Move: entry moveFrom is left out and moveText inserted so that it ends
  // at entry moveTo.
  int32_t moveFrom = -1;
  int32_t moveTo = -1;
  const char* moveText = nullptr;
  std::size_t moveLength = 0;
};

// Rewrites a checked file through "<path>Tmp"; on any failure after the
// rename the original file is put back unchanged.
ASErr RewritePresetFile(const char* path, const RewritePlan& plan);

// A new file written as "<path>New" and renamed over path on Commit; dropped
// again when not committed.
class ReplacementFile {
 public:
  ReplacementFile() = default;
  ~ReplacementFile();
  ReplacementFile(const ReplacementFile&) = delete;
  ReplacementFile& operator=(const ReplacementFile&) = delete;

  ASErr Open(const char* path);
  void Write(const void* data, std::size_t size);
  void Write(const char* text);
  ASErr Commit();

 private:
  std::FILE* file_ = nullptr;
  bool failed_ = false;
  char path_[kPresetPathSize] = {};
  char newPath_[kPresetPathSize] = {};
};

// Writes a whole new preset file at path (beside it, then renamed over it):
// the header line naming kind's file and both fixed entries from the record,
// whose name is set to "Default Setting" and then "Last Setting". scratch
// holds one entry's text.
ASErr WriteNewPresetFile(const char* path, const PresetKind& kind,
                         void* record, char* scratch, std::size_t scratchSize);

// Sets a record's name area to name (cleared, NUL-terminated).
void SetRecordName(void* record, const char* name);

// Joins folder and name into out; false when it does not fit.
bool JoinPath(const char* folder, const char* name, char* out,
              std::size_t capacity);

}  // namespace vx::presets
