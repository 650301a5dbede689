// One fuzz input through every reader of preset text: the decoder of each
// kind (then the encoder over the decoded record), the key lookup, and the
// file readers on the same bytes written to a scratch file. Shared by the
// libFuzzer target and the GoogleTest replay of kept inputs.
#pragma once

#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "presets/param_record.h"
#include "presets/preset_codec.h"
#include "presets/preset_kinds.h"
#include "presets/preset_store.h"

namespace vx::fuzz {

inline void RunPresetInput(const uint8_t* data, std::size_t size) {
  const char* text = reinterpret_cast<const char*>(data);

  // Decoders and the encoder over what they read.
  std::vector<unsigned char> record(kLargestPresetRecord);
  std::vector<char> out(kEntryBufferSize);
  for (int i = 0; i < kPresetKindCount; ++i) {
    const PresetKind& kind = *PresetKindAt(i);
    std::memset(record.data(), 0x5A, record.size());
    record[kParamNameSize - 1] = 0;
    DecodeRecord(kind, text, size, record.data());
    std::size_t length = 0;
    EncodeRecord(kind, record.data(), out.data(), out.size(), &length);
  }
  char value[kPresetValueBufferSize];
  for (const char* key : {"", "A", "z", "P3", "f2"})
    FindPresetValue(text, size, key, value, sizeof value);

  // The file readers on the same bytes.
  static const std::string path =
      (std::filesystem::temp_directory_path() /
       ("vx-preset-fuzz-" + std::to_string(getpid()) + ".txt"))
          .string();
  if (std::FILE* f = std::fopen(path.c_str(), "wb")) {
    std::fwrite(data, 1, size, f);
    std::fclose(f);
  }
  PresetFileCheck(path.c_str());
  char kindName[kPresetKindNameSize];
  ReadPresetFileKind(path.c_str(), kindName);
  std::vector<char> names(kNameListSize);
  ListPresetNames(path.c_str(), names.data(), names.size());
  int32_t count = 0;
  CountPresetEntries(path.c_str(), &count);
  for (int32_t entry = 0; entry < 4; ++entry)
    ReadEntryText(path.c_str(), entry, out.data(), out.size());
  // A small buffer must be refused, not overrun.
  char tiny[8];
  ReadEntryText(path.c_str(), 0, tiny, sizeof tiny);
  std::remove(path.c_str());
}

}  // namespace vx::fuzz
