// The one codec between parameter records and preset entry text. Each kind
// describes its record as a table of fields (key, type code, byte offset);
// encoding walks the table and writes one "KEY<TAB>VALUE<CR><LF>" line per
// field after the entry's name line, decoding looks every key up again.
// Numbers are written and read with "." as the decimal point whatever the
// process locale is.
#pragma once

#include <cstddef>
#include <cstdint>

#include "vx_sdk.h"

namespace vx {

// Type codes of stored fields (their numbers are part of the format).
enum PresetFieldType : uint8_t {
  kPresetLong = 0,         // signed 32-bit
  kPresetShort = 1,        // signed 16-bit
  kPresetText = 2,         // NUL-terminated text of `size` bytes
  kPresetCountedText = 3,  // length byte and up to 255 bytes
  kPresetFlag = 4,         // 32-bit boolean
  kPresetReal = 5,         // 32-bit float
  kPresetFixed = 6,        // 16.16 fixed point
  kPresetULong = 7,        // unsigned 32-bit
  kPresetInt = 8,          // 32-bit int
  kPresetPoint = 9,        // two 32-bit floats h, v
  kPresetColour = 10       // the host's 68-byte colour record
};

struct PresetField {
  const char* key;
  PresetFieldType type;
  uint16_t offset;  // byte offset in the record
  uint16_t size;    // bytes of Text and CountedText fields; 0 otherwise
};

// One preset file: its name, the record it stores and how.
struct PresetKind {
  const char* fileName;   // "VERSALiX4_PST_<Name>.txt"
  const char* recordKey;  // block label of the record, "BorderPGParams"
  uint32_t recordSize;
  const PresetField* fields;
  uint16_t fieldCount;
  int16_t variant;  // the 3D kind for the twelve 3D files, else 0
  // Writes the factory record (name area cleared).
  void (*factory)(void* record, int variant);
};

// Longest value text a decoder looks at (longer values are cut).
constexpr std::size_t kPresetValueBufferSize = 528;

// Writes the entry of `record`: "$", TAB, the record's name, CR LF, then one
// line per field. The text is NUL-terminated; *length (if given) excludes
// the terminator. -1 when the text does not fit in capacity bytes (the
// buffer then holds an incomplete, terminated text).
ASErr EncodeRecord(const PresetKind& kind, const void* record, char* text,
                   std::size_t capacity, std::size_t* length);

// Reads every field of the kind from an entry's text (length bytes, no
// terminator needed). Fields whose key is missing keep their values.
void DecodeRecord(const PresetKind& kind, const char* text, std::size_t length,
                  void* record);

// Finds the value of key in an entry's text: the first line, after the
// entry's "$", whose text before its TAB equals key (the name line has the
// empty key). A line beginning with "$" ends the search. Copies at most
// outSize - 1 bytes and a terminator; false when the key is not there.
bool FindPresetValue(const char* text, std::size_t length, const char* key,
                     char* out, std::size_t outSize);

// Converts one value text into a field of the record (the decoder's step).
void DecodeFieldValue(const PresetField& field, const char* value,
                      void* record);

}  // namespace vx
