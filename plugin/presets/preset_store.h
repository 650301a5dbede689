// The preset store: one text file per kind in the user's settings folder,
// "Default Setting" and "Last Setting" first, then the user's presets.
//
// Record operations work on the user's folder plus the preset file the
// caller names (a kind's file name, "VERSALiX4_PST_Border.txt") and take
// whole parameter records of that file's kind; a name that is no kind's file
// answers kCantHappenErr. Results: 0; "!oPn" when a file
// cannot be opened; "!eOF" when the wanted entry (or the header's end) lies
// past the end of the file; -1 when the banner differs, on a read error, a
// short write or a failed rename; -108 when a working buffer cannot be had.
// No failure leaves a user's file half-written: rewrites go through a "Tmp"
// copy that is put back on failure, new files are written beside the old
// one and renamed over it, and a failed append is cut back.
#pragma once

#include <cstddef>
#include <cstdint>

#include "vx_sdk.h"

namespace vx {

// Index of an entry for callers: -2 "Default Setting", -1 "Last Setting",
// 0 and up the user's presets in file order (file entry = index + 2).
using PresetIndex = int16_t;
constexpr PresetIndex kDefaultSettingIndex = -2;
constexpr PresetIndex kLastSettingIndex = -1;

constexpr int kMaxUserPresets = 1024;
constexpr std::size_t kPresetBannerLength = 69;
constexpr std::size_t kEntryBufferSize = 8193;    // "blockData", "buffer"
constexpr std::size_t kInstallBufferSize = 81920;  // "buffer" at start-up
constexpr std::size_t kNameListSize = 66561;       // "listBuff"
constexpr std::size_t kPresetKindNameSize = 32;
// Room for the user folder, a file name and a "Tmp" or "New" suffix.
constexpr std::size_t kPresetPathSize = 512;

// The 69-byte banner that begins every preset file.
extern const char kPresetBanner[];

// ---- start-up ------------------------------------------------------------------

// Sets gGlobals->UserSettingsFolder ("<folder type 16>/VERSALiX4 User
// Settings/") and, unless the user's Border file passes the banner check,
// copies every factory file of "VERSALiX4 Default Settings" beside the
// plug-in's module that the user lacks or has damaged.
ASErr InstallUserPresets(SPPluginRef plugin);

// ---- record operations on one kind's preset file ---------------------------------

ASErr LoadPreset(const char* file, void* record, PresetIndex index);
// Last Setting, or on failure the kind's factory values and a new file.
// A file that holds user presets is never replaced: the record then gets the
// factory values and the file stays as it is.
ASErr LoadLastSettingOrDefaults(const char* file, void* record);
// Replaces entry index + 2 with the record (index -1 first renames the
// record "Last Setting", -2 "Default Setting").
ASErr SavePreset(const char* file, void* record, PresetIndex index);
ASErr AppendPreset(const char* file, const void* record);
// Removes the listed user presets (indices >= 0) in one rewrite.
ASErr DeletePresets(const char* file, const PresetIndex* indices,
                    int32_t count);
// Moves user preset `from` so that it ends at position `to`.
ASErr MovePreset(const char* file, PresetIndex from, PresetIndex to);
// Writes a new file: header line and both fixed entries from the record.
ASErr CreatePresetFile(const char* file, void* record);
// The factory values of the file's kind.
ASErr FillFactoryRecord(const char* file, void* record);

// ---- file operations ----------------------------------------------------------

// User folder + file, NUL-terminated.
ASErr UserPresetPath(const char* file, char* path, std::size_t capacity);
// 0 when the file begins with the banner.
ASErr PresetFileCheck(const char* path);
// The header's kind name (text after its first TAB, at most 31 bytes).
ASErr ReadPresetFileKind(const char* path, char out[kPresetKindNameSize]);
// Names of the user presets, each followed by TAB, the last TAB replaced
// by the terminator; at most 1,024 names of at most 64 bytes each.
ASErr ListPresetNames(const char* path, char* out, std::size_t capacity);
// The text of file entry `entry` (0 Default, 1 Last, 2.. presets), from its
// "$" to the next entry's "$". -1 when it is longer than capacity - 1.
ASErr ReadEntryText(const char* path, int32_t entry, char* out,
                    std::size_t capacity);
// Appends an entry's text after a banner check.
ASErr AppendEntryText(const char* path, const char* text);
// Number of entries ("$" TAB markers) of a file that passes the check.
ASErr CountPresetEntries(const char* path, int32_t* count);

// ---- lists ------------------------------------------------------------------

// The name as a preset menu shows it: one beginning with "-" gets a space in
// front (a menu would take it for a separator); at most 63 bytes.
void PresetMenuText(const char* name, char out[64]);

// Inserts the user preset names into a host list at positions 4, 5, ...
// (entry id = position). `source` is a file name in the user folder or a
// path. With minusFix a name beginning with "-" is shown with a space first.
ASErr FillPresetList(ADMListRef list, const char* source, bool minusFix);

}  // namespace vx
