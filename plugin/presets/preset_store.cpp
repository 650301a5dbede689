#include "presets/preset_store.h"

#include <cstdio>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <system_error>

#include "generated/resource_ids.h"
#include "presets/param_record.h"
#include "presets/preset_file.h"
#include "presets/preset_kinds.h"
#include "shell/blocks.h"
#include "shell/globals.h"
#include "shell/suites.h"

namespace vx {
namespace {

using presets::JoinPath;

constexpr ASErr kGenericErr = -1;
constexpr char kUserFolderName[] = "VERSALiX4 User Settings";
constexpr char kDefaultFolderName[] = "VERSALiX4 Default Settings/";
constexpr int32_t kKeptAsideMessage = 8;  // followed by the kept file's path
using presets::kDefaultSettingName;
using presets::kLastSettingName;
using presets::SetRecordName;

// The kind and the full path of one preset file.
struct KindFile {
  const PresetKind* kind = nullptr;
  char path[kPresetPathSize];
};

ASErr Resolve(const char* file, KindFile& current) {
  current.kind = FindPresetKind(file);
  if (!current.kind) return kCantHappenErr;
  return UserPresetPath(file, current.path, sizeof current.path);
}

// Encodes the record into the "blockData" block.
ASErr EncodeToBlock(const PresetKind& kind, const void* record,
                    BlockPtr<char>& text, std::size_t* length) {
  if (ASErr err = text.Allocate(kEntryBufferSize, "blockData")) return err;
  return EncodeRecord(kind, record, text.get(), kEntryBufferSize, length);
}

// Cuts a text read only in part back to its last whole line, so that no
// value is taken from a cut line.
std::size_t WholeLines(const char* text, std::size_t length) {
  while (length > 0 && text[length - 1] != '\n' && text[length - 1] != '\r')
    --length;
  return length;
}

}  // namespace

ASErr UserPresetPath(const char* file, char* path, std::size_t capacity) {
  if (!gGlobals || !path || !file) return kCantHappenErr;
  char folder[kUserSettingsFolderSize + 1];
  std::memcpy(folder, gGlobals->UserSettingsFolder, kUserSettingsFolderSize);
  folder[kUserSettingsFolderSize] = '\0';
  return JoinPath(folder, file, path, capacity) ? kNoErr : kGenericErr;
}

ASErr FillFactoryRecord(const char* file, void* record) {
  KindFile current;
  if (ASErr err = Resolve(file, current)) return err;
  current.kind->factory(record, current.kind->variant);
  return kNoErr;
}

ASErr LoadPreset(const char* file, void* record, PresetIndex index) {
  KindFile current;
  if (ASErr err = Resolve(file, current)) return err;
  BlockPtr<char> text;
  if (ASErr err = text.Allocate(kEntryBufferSize, "blockData")) return err;
  std::size_t length = 0;
  bool truncated = false;
  if (ASErr err = presets::ReadEntry(current.path, int32_t(index) + 2,
                                     text.get(), kEntryBufferSize, &length,
                                     &truncated))
    return err;
  if (truncated) {
    length = WholeLines(text.get(), length);
  } else if (index == kLastSettingIndex && length > 0 && WholeLines(text.get(), length) != length) {
    // The file ends inside the Last Setting (a cut write): none of its
    // values is trusted, and the caller falls back on the factory values.
    return kEndOfFileErr;
  }
  // Fields the entry does not hold (an older or damaged file) read as the
  // kind's factory values, never as what the record held before.
  current.kind->factory(record, current.kind->variant);
  DecodeRecord(*current.kind, text.get(), length, record);
  return kNoErr;
}

ASErr LoadLastSettingOrDefaults(const char* file, void* record) {
  ASErr err = LoadPreset(file, record, kLastSettingIndex);
  if (!err) return kNoErr;
  KindFile current;
  if (ASErr resolved = Resolve(file, current)) return resolved;
  current.kind->factory(record, current.kind->variant);
  if (err == kOutOfMemoryErr) return err;
  // A readable file with user presets is kept: recreating it would lose
  // them. Anything else is replaced by a fresh file.
  int32_t entries = 0;
  if (CountPresetEntries(current.path, &entries) == kNoErr && entries > 2)
    return kNoErr;
  return CreatePresetFile(file, record);
}

ASErr SavePreset(const char* file, void* record, PresetIndex index) {
  KindFile current;
  if (ASErr err = Resolve(file, current)) return err;
  if (index == kLastSettingIndex) SetRecordName(record, kLastSettingName);
  if (index == kDefaultSettingIndex) SetRecordName(record, kDefaultSettingName);
  BlockPtr<char> text;
  std::size_t length = 0;
  if (ASErr err = EncodeToBlock(*current.kind, record, text, &length))
    return err;
  presets::RewritePlan plan;
  plan.replaceEntry = int32_t(index) + 2;
  plan.replaceText = text.get();
  plan.replaceLength = length;
  return presets::RewritePresetFile(current.path, plan);
}

ASErr AppendPreset(const char* file, const void* record) {
  KindFile current;
  if (ASErr err = Resolve(file, current)) return err;
  BlockPtr<char> text;
  std::size_t length = 0;
  if (ASErr err = EncodeToBlock(*current.kind, record, text, &length))
    return err;
  return AppendEntryText(current.path, text.get());
}

ASErr DeletePresets(const char* file, const PresetIndex* indices,
                    int32_t count) {
  KindFile current;
  if (ASErr err = Resolve(file, current)) return err;
  if (count <= 0) return kNoErr;
  if (!indices) return kSPBadParameterError;
  presets::RewritePlan plan;
  plan.deleted = indices;
  plan.deletedCount = count;
  return presets::RewritePresetFile(current.path, plan);
}

ASErr MovePreset(const char* file, PresetIndex from, PresetIndex to) {
  KindFile current;
  if (ASErr err = Resolve(file, current)) return err;
  if (from < 0 || to < 0) return kSPBadParameterError;
  if (from == to) return kNoErr;
  BlockPtr<char> text;
  if (ASErr err = text.Allocate(kEntryBufferSize, "buffer")) return err;
  if (ASErr err = ReadEntryText(current.path, int32_t(from) + 2, text.get(),
                                kEntryBufferSize))
    return err;
  presets::RewritePlan plan;
  plan.moveFrom = int32_t(from) + 2;
  plan.moveTo = int32_t(to) + 2;
  plan.moveText = text.get();
  plan.moveLength = std::strlen(text.get());
  return presets::RewritePresetFile(current.path, plan);
}

ASErr CreatePresetFile(const char* file, void* record) {
  KindFile current;
  if (ASErr err = Resolve(file, current)) return err;
  BlockPtr<char> text;
  if (ASErr err = text.Allocate(kEntryBufferSize, "blockData")) return err;
  return presets::WriteNewPresetFile(current.path, *current.kind, record,
                                     text.get(), kEntryBufferSize);
}

// ---- start-up ------------------------------------------------------------------

namespace {

// "<folder of type 16>/VERSALiX4 User Settings/".
ASErr BuildUserSettingsFolder(char* folder, std::size_t capacity) {
  if (!sFolders || !sFolders->FindFolder) return kCantHappenErr;
  if (ASErr err = sFolders->FindFolder(kAIUserSupportFolderType, false, folder,
                                       int32_t(capacity)))
    return err;
  const void* end = std::memchr(folder, '\0', capacity);
  if (!end) return kGenericErr;
  std::size_t n = std::size_t(static_cast<const char*>(end) - folder);
  while (n > 0 && folder[n - 1] == '/') folder[--n] = '\0';
  const std::size_t add = 1 + sizeof kUserFolderName - 1 + 1;
  if (n + add + 1 > capacity) return kGenericErr;
  folder[n++] = '/';
  std::memcpy(folder + n, kUserFolderName, sizeof kUserFolderName - 1);
  n += sizeof kUserFolderName - 1;
  folder[n++] = '/';
  folder[n] = '\0';
  return kNoErr;
}

// The folder beside the plug-in's module that holds the factory files.
ASErr BuildDefaultFolder(SPPluginRef plugin, char* folder,
                         std::size_t capacity) {
  if (!sPlugins || !sPlugins->GetPluginFileSpecification) return kCantHappenErr;
  SPPlatformFileSpec spec;
  if (ASErr err = sPlugins->GetPluginFileSpecification(plugin, &spec))
    return err;
  spec.path[sizeof spec.path - 1] = '\0';
  const char* slash = std::strrchr(spec.path, '/');
  std::size_t n = slash ? std::size_t(slash - spec.path) + 1 : 0;
  if (n + sizeof kDefaultFolderName > capacity) return kGenericErr;
  std::memcpy(folder, spec.path, n);
  std::memcpy(folder + n, kDefaultFolderName, sizeof kDefaultFolderName);
  return kNoErr;
}

// Before a user's file that fails the banner check is replaced, it is kept
// in the same folder as "<name> (replaced YYYY-MM-DD).txt" (UTC date; " 2",
// " 3" ... after the date when that name is taken), and the user is told
// where. A file that is missing or empty holds nothing to keep. Failing to
// keep it stops the installation: the file is never replaced unkept.
ASErr KeepAside(const char* folder, const char* name, const char* path) {
  std::error_code ec;
  if (!std::filesystem::exists(path, ec) || std::filesystem::file_size(path, ec) == 0 || ec)
    return kNoErr;
  const std::time_t now = std::time(nullptr);
  std::tm day{};
  if (!gmtime_r(&now, &day)) return kGenericErr;
  const char* dot = std::strrchr(name, '.');
  const int stem = int(dot ? dot - name : std::strlen(name));
  char aside[kPresetPathSize], file[kPresetPathSize];
  for (int n = 1;; ++n) {
    char counter[16] = "";
    if (n > 1) std::snprintf(counter, sizeof counter, " %d", n);
    const int written = std::snprintf(file, sizeof file, "%.*s (replaced %04d-%02d-%02d%s)%s", stem,
                                      name, day.tm_year + 1900, day.tm_mon + 1, day.tm_mday,
                                      counter, dot ? dot : "");
    if (written < 0 || std::size_t(written) >= sizeof file ||
        !JoinPath(folder, file, aside, sizeof aside))
      return kGenericErr;
    if (!std::filesystem::exists(aside, ec)) break;
    if (n == 1000) return kGenericErr;
  }
  if (std::rename(path, aside) != 0) return kGenericErr;
  if (sADMBasic && sADMBasic->MessageAlert) {
    char text[kPresetPathSize + 256] = "";
    sADMBasic->GetIndexString(gGlobals->PluginRef, res::kPresetTexts, kKeptAsideMessage, text,
                              sizeof text);
    std::strncat(text, aside, sizeof text - std::strlen(text) - 1);
    sADMBasic->MessageAlert(text);
  }
  return kNoErr;
}

// Copies one factory file unless the user's copy passes the banner check.
ASErr InstallOne(const char* defaultFolder, const char* userFolder,
                 const char* name, char* buffer) {
  char from[kPresetPathSize], to[kPresetPathSize];
  if (!JoinPath(defaultFolder, name, from, sizeof from) ||
      !JoinPath(userFolder, name, to, sizeof to))
    return kGenericErr;
  std::FILE* in = std::fopen(from, "rb");
  if (!in) return kNoErr;  // no factory copy of this kind: skipped
  std::size_t size = std::fread(buffer, 1, kInstallBufferSize, in);
  bool readError = std::ferror(in) != 0;
  // A factory file longer than the buffer is not one this plug-in made.
  bool tooLong = !readError && size == kInstallBufferSize &&
                 std::getc(in) != EOF;
  std::fclose(in);
  if (readError) return kGenericErr;
  if (tooLong) return kNoErr;
  if (PresetFileCheck(to) == kNoErr) return kNoErr;
  if (ASErr err = KeepAside(userFolder, name, to)) return err;
  presets::ReplacementFile out;
  if (out.Open(to)) return kGenericErr;
  out.Write(buffer, size);
  return out.Commit();
}

}  // namespace

ASErr InstallUserPresets(SPPluginRef plugin) {
  if (!gGlobals) return kCantHappenErr;
  char* folder = gGlobals->UserSettingsFolder;
  folder[0] = '\0';
  if (ASErr err = BuildUserSettingsFolder(folder, kUserSettingsFolderSize)) {
    folder[0] = '\0';
    return err;
  }
  char check[kPresetPathSize];
  if (!JoinPath(folder, "VERSALiX4_PST_Border.txt", check, sizeof check))
    return kGenericErr;
  if (PresetFileCheck(check) == kNoErr) return kNoErr;

  std::error_code ec;
  std::filesystem::create_directories(folder, ec);
  if (ec && !std::filesystem::is_directory(folder, ec)) return kGenericErr;

  char defaultFolder[kPresetPathSize];
  if (ASErr err = BuildDefaultFolder(plugin, defaultFolder, sizeof defaultFolder))
    return err;
  BlockPtr<char> buffer;
  if (ASErr err = buffer.Allocate(kInstallBufferSize, "buffer")) return err;
  for (int i = 0; i < kPresetKindCount; ++i) {
    if (ASErr err = InstallOne(defaultFolder, folder,
                               PresetKindAt(i)->fileName, buffer.get()))
      return err;
  }
  return kNoErr;
}

// ---- lists ------------------------------------------------------------------

void PresetMenuText(const char* name, char out[kParamNameSize]) {
  const bool minus = name[0] == '-';
  out[0] = ' ';
  std::strncpy(out + (minus ? 1 : 0), name, kParamNameSize - (minus ? 2 : 1));
  out[kParamNameSize - 1] = '\0';
}

ASErr FillPresetList(ADMListRef list, const char* source, bool minusFix) {
  if (!list || !source) return kSPBadParameterError;
  if (!sADMList || !sADMList->InsertEntry || !sADMList->NumberOfEntries ||
      !sADMEntry || !sADMEntry->SetText || !sADMEntry->SetID)
    return kCantHappenErr;
  char path[kPresetPathSize];
  if (std::strchr(source, '/')) {
    if (!JoinPath(source, "", path, sizeof path)) return kGenericErr;
  } else {
    if (!gGlobals) return kCantHappenErr;
    char folder[kUserSettingsFolderSize + 1];
    std::memcpy(folder, gGlobals->UserSettingsFolder, kUserSettingsFolderSize);
    folder[kUserSettingsFolderSize] = '\0';
    if (!JoinPath(folder, source, path, sizeof path)) return kGenericErr;
  }
  BlockPtr<char> names;
  if (ASErr err = names.Allocate(kNameListSize, "listBuff")) return err;
  if (ASErr err = ListPresetNames(path, names.get(), kNameListSize)) return err;
  char* name = names.get();
  if (!*name) return kNoErr;
  for (int32_t i = 0;; ++i) {
    char* end = std::strchr(name, '\t');
    if (end) *end = '\0';
    char shown[kParamNameSize];
    if (minusFix) {
      PresetMenuText(name, shown);
    } else {
      std::strncpy(shown, name, kParamNameSize - 1);
      shown[kParamNameSize - 1] = '\0';
    }
    // Positions 4, 5, ... keep a preset menu's fixed items in front; a
    // shorter list simply takes the names at its end.
    int32_t position = 4 + i;
    const int32_t count = sADMList->NumberOfEntries(list);
    if (position > count) position = count;
    ADMEntryRef entry = sADMList->InsertEntry(list, position);
    if (!entry) return kCantHappenErr;
    sADMEntry->SetText(entry, shown);
    sADMEntry->SetID(entry, position);
    if (!end) break;
    name = end + 1;
  }
  return kNoErr;
}

}  // namespace vx
