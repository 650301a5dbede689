#include "presets/preset_file.h"

#include <cstring>
#include <filesystem>
#include <system_error>

#include "presets/param_record.h"
#include "shell/blocks.h"

namespace vx {

const char kPresetBanner[] =
    "<VERSALiX4 v4.2 preset settings of the VERSALiX4 plug-in made by QVR>";
static_assert(sizeof kPresetBanner - 1 == kPresetBannerLength);

namespace presets {
namespace {

constexpr ASErr kGenericErr = -1;

// A file open for reading, closed on every way out.
class InFile {
 public:
  ~InFile() { Close(); }
  bool Open(const char* path) {
    f_ = std::fopen(path, "rb");
    return f_ != nullptr;
  }
  int Get() { return std::getc(f_); }
  // The next byte without taking it.
  int Peek() {
    int c = std::getc(f_);
    if (c != EOF) std::ungetc(c, f_);
    return c;
  }
  // Reads the next byte and tells whether it starts an entry marker.
  bool AtMarker(int c) { return c == '$' && Peek() == '\t'; }
  bool Failed() const { return std::ferror(f_) != 0; }
  std::size_t Read(void* data, std::size_t n) {
    return std::fread(data, 1, n, f_);
  }
  void Close() {
    if (f_) std::fclose(f_);
    f_ = nullptr;
  }

 private:
  std::FILE* f_ = nullptr;
};

// Opens a preset file and reads past its banner: "!oPn" when it cannot be
// opened, -1 when the banner is not there.
ASErr OpenChecked(const char* path, InFile& in) {
  if (!path || !in.Open(path)) return kCantOpenFileErr;
  char head[kPresetBannerLength];
  if (in.Read(head, sizeof head) != sizeof head) return kGenericErr;
  // A byte-order mark that a text editor put in front of the banner is no
  // reason to refuse (and so replace) the file: it is read past, and a
  // rewrite keeps it.
  constexpr char kByteOrderMark[] = "\xEF\xBB\xBF";
  constexpr std::size_t kMarkSize = sizeof kByteOrderMark - 1;
  if (std::memcmp(head, kByteOrderMark, kMarkSize) == 0) {
    std::memmove(head, head + kMarkSize, sizeof head - kMarkSize);
    if (in.Read(head + sizeof head - kMarkSize, kMarkSize) != kMarkSize) return kGenericErr;
  }
  if (std::memcmp(head, kPresetBanner, kPresetBannerLength) != 0)
    return kGenericErr;
  return kNoErr;
}

// Buffered output of a rewrite through the "buffer" block.
class EntryWriter {
 public:
  EntryWriter(std::FILE* f, char* buffer, std::size_t capacity)
      : f_(f), buffer_(buffer), cap_(capacity) {}
  void Put(char c) {
    if (used_ == cap_) Flush();
    buffer_[used_++] = c;
  }
  void Put(const char* text, std::size_t n) {
    for (std::size_t i = 0; i < n; ++i) Put(text[i]);
  }
  void Flush() {
    if (used_ && std::fwrite(buffer_, 1, used_, f_) != used_) failed_ = true;
    used_ = 0;
  }
  bool failed() const { return failed_; }

 private:
  std::FILE* f_;
  char* buffer_;
  std::size_t cap_;
  std::size_t used_ = 0;
  bool failed_ = false;
};

bool IsDeleted(const RewritePlan& plan, int32_t entry) {
  if (entry < 2) return false;
  for (int32_t i = 0; i < plan.deletedCount; ++i)
    if (plan.deleted[i] >= 0 && plan.deleted[i] + 2 == entry) return true;
  return false;
}

// Whether entry `entry` of the file holds exactly text[0..length): read as
// the rewrite would copy it, from its marker to the next.
bool EntryHolds(const char* path, int32_t entry, const char* text, std::size_t length) {
  InFile in;
  if (OpenChecked(path, in) != kNoErr) return false;
  int32_t k = -1;
  std::size_t n = 0;
  for (int c; (c = in.Get()) != EOF;) {
    if (in.AtMarker(c) && ++k > entry) break;
    if (k != entry) continue;
    if (n == length || text[n] != char(c)) return false;
    ++n;
  }
  return !in.Failed() && k >= entry && n == length;
}

void RemoveWithRetry(const char* path) {
  if (std::remove(path) != 0) std::remove(path);
}

}  // namespace

bool JoinPath(const char* folder, const char* name, char* out,
              std::size_t capacity) {
  if (!folder || !name || !out) return false;
  const std::size_t a = std::strlen(folder), b = std::strlen(name);
  if (a + b + 1 > capacity) return false;
  std::memcpy(out, folder, a);
  std::memcpy(out + a, name, b + 1);
  return true;
}

ASErr ReadEntry(const char* path, int32_t entry, char* out,
                std::size_t capacity, std::size_t* length, bool* truncated) {
  if (!out || capacity == 0) return kSPBadParameterError;
  out[0] = '\0';
  *length = 0;
  *truncated = false;
  InFile in;
  if (ASErr err = OpenChecked(path, in)) return err;
  if (entry < 0) return kEndOfFileErr;
  int32_t k = -1;
  std::size_t n = 0;
  for (int c; (c = in.Get()) != EOF;) {
    if (in.AtMarker(c) && ++k > entry) break;
    if (k != entry) continue;
    if (n + 1 < capacity)
      out[n++] = char(c);
    else
      *truncated = true;
  }
  if (in.Failed()) return kGenericErr;
  out[n] = '\0';
  *length = n;
  return k < entry ? kEndOfFileErr : kNoErr;
}

// ---- rewrite -------------------------------------------------------------------

ASErr RewritePresetFile(const char* path, const RewritePlan& plan) {
  BlockPtr<char> buffer;
  if (ASErr err = buffer.Allocate(kEntryBufferSize, "buffer")) return err;

  if (ASErr err = PresetFileCheck(path)) return err;
  // A save of the bytes the entry already holds (the Last Setting of a run
  // that changed nothing) leaves the file untouched.
  const bool replaceOnly = plan.replaceText && plan.deletedCount == 0 && !plan.moveText;
  if (replaceOnly && EntryHolds(path, plan.replaceEntry, plan.replaceText, plan.replaceLength))
    return kNoErr;
  char tmp[kPresetPathSize];
  if (!JoinPath(path, "Tmp", tmp, sizeof tmp)) return kGenericErr;
  if (std::rename(path, tmp) != 0) {
    std::remove(tmp);
    if (std::rename(path, tmp) != 0) return kGenericErr;
  }

  std::FILE* out = std::fopen(path, "wb");
  InFile in;
  bool inOpen = in.Open(tmp);
  ASErr err = kNoErr;
  if (!out || !inOpen) {
    err = kCantOpenFileErr;
  } else {
    EntryWriter w(out, buffer.get(), kEntryBufferSize - 1);
    bool moveDone = plan.moveText == nullptr;
    bool skip = false;
    auto insertMoved = [&] {
      w.Put(plan.moveText, plan.moveLength);
      moveDone = true;
    };
    int32_t k = -1;
    for (int c; (c = in.Get()) != EOF;) {
      if (in.AtMarker(c)) {
        ++k;
        if (!moveDone && ((plan.moveTo < plan.moveFrom && k == plan.moveTo) ||
                          (plan.moveTo > plan.moveFrom && k == plan.moveTo + 1)))
          insertMoved();
        skip = IsDeleted(plan, k) || (plan.moveText && k == plan.moveFrom);
        if (plan.replaceText && k == plan.replaceEntry) {
          w.Put(plan.replaceText, plan.replaceLength);
          skip = true;
        }
      }
      if (!skip) w.Put(char(c));
    }
    if (!moveDone) insertMoved();
    w.Flush();
    if (in.Failed() || w.failed()) err = kGenericErr;
  }

  in.Close();
  if (out && std::fclose(out) != 0 && !err) err = kGenericErr;
  if (err) {
    // Put the file back as it was before the call.
    std::remove(path);
    std::rename(tmp, path);
    return err;
  }
  RemoveWithRetry(tmp);
  return kNoErr;
}

// ---- replacement files -----------------------------------------------------------

ReplacementFile::~ReplacementFile() {
  if (file_) {
    std::fclose(file_);
    std::remove(newPath_);
  }
}

ASErr ReplacementFile::Open(const char* path) {
  if (!JoinPath(path, "", path_, sizeof path_) ||
      !JoinPath(path, "New", newPath_, sizeof newPath_))
    return kGenericErr;
  file_ = std::fopen(newPath_, "wb");
  return file_ ? kNoErr : kCantOpenFileErr;
}

void ReplacementFile::Write(const void* data, std::size_t size) {
  if (!file_ || failed_) return;
  if (std::fwrite(data, 1, size, file_) != size) failed_ = true;
}

void ReplacementFile::Write(const char* text) { Write(text, std::strlen(text)); }

ASErr ReplacementFile::Commit() {
  if (!file_) return kGenericErr;
  bool ok = !failed_;
  if (std::fclose(file_) != 0) ok = false;
  file_ = nullptr;
  if (ok && std::rename(newPath_, path_) == 0) return kNoErr;
  std::remove(newPath_);
  return kGenericErr;
}

void SetRecordName(void* record, const char* name) {
  char* area = static_cast<char*>(record);
  std::memset(area, 0, kParamNameSize);
  std::strncpy(area, name, kParamNameSize - 1);
}

ASErr WriteNewPresetFile(const char* path, const PresetKind& kind,
                         void* record, char* scratch, std::size_t scratchSize) {
  ReplacementFile file;
  if (ASErr err = file.Open(path)) return err;
  file.Write(kPresetBanner);
  file.Write("\t");
  file.Write(kind.fileName);
  file.Write("\r\n");
  for (const char* name : {kDefaultSettingName, kLastSettingName}) {
    SetRecordName(record, name);
    std::size_t length = 0;
    if (ASErr err = EncodeRecord(kind, record, scratch, scratchSize, &length))
      return err;
    file.Write(scratch, length);
  }
  return file.Commit();
}

}  // namespace presets

// ---- public file operations ------------------------------------------------------

using presets::InFile;
using presets::OpenChecked;

ASErr PresetFileCheck(const char* path) {
  InFile in;
  return OpenChecked(path, in);
}

ASErr ReadPresetFileKind(const char* path, char out[kPresetKindNameSize]) {
  if (!out) return kSPBadParameterError;
  out[0] = '\0';
  InFile in;
  if (ASErr err = OpenChecked(path, in)) return err;
  bool afterTab = false;
  std::size_t n = 0;
  for (int c; (c = in.Get()) != EOF;) {
    if (c == '\r' || c == '\n') {
      out[n] = '\0';
      return kNoErr;
    }
    if (!afterTab) {
      afterTab = c == '\t';
    } else if (n + 1 < kPresetKindNameSize) {
      out[n++] = char(c);
    }
  }
  out[0] = '\0';
  return in.Failed() ? -1 : kEndOfFileErr;
}

ASErr ListPresetNames(const char* path, char* out, std::size_t capacity) {
  if (!out || capacity == 0) return kSPBadParameterError;
  out[0] = '\0';
  InFile in;
  if (ASErr err = OpenChecked(path, in)) return err;
  constexpr std::size_t kMaxNameBytes = 64;
  std::size_t used = 0, nameLength = 0;
  int32_t k = -1, names = 0;
  bool inName = false, full = false;
  auto endName = [&] {
    out[used++] = '\t';
    ++names;
    inName = false;
  };
  for (int c; !full && (c = in.Get()) != EOF;) {
    if (in.AtMarker(c)) {
      in.Get();  // the marker's TAB
      if (inName) endName();
      if (++k < 2) continue;
      // Room for a whole name, its TAB and the terminator.
      if (names >= kMaxUserPresets || used + kMaxNameBytes + 2 > capacity) {
        full = true;
        break;
      }
      inName = true;
      nameLength = 0;
      continue;
    }
    if (!inName) continue;
    if (c == '\r' || c == '\n')
      endName();
    else if (c != '\t' && nameLength < kMaxNameBytes)
      out[used++] = char(c), ++nameLength;
  }
  if (inName) endName();
  if (in.Failed()) {
    out[0] = '\0';
    return -1;
  }
  if (used > 0) --used;  // the last TAB becomes the terminator
  out[used] = '\0';
  return kNoErr;
}

ASErr ReadEntryText(const char* path, int32_t entry, char* out,
                    std::size_t capacity) {
  std::size_t length = 0;
  bool truncated = false;
  ASErr err = presets::ReadEntry(path, entry, out, capacity, &length, &truncated);
  if (!err && truncated) {
    out[0] = '\0';
    return -1;
  }
  return err;
}

ASErr AppendEntryText(const char* path, const char* text) {
  if (!text) return kSPBadParameterError;
  if (ASErr err = PresetFileCheck(path)) return err;
  std::error_code ec;
  const auto oldSize = std::filesystem::file_size(path, ec);
  if (ec) return -1;
  std::FILE* f = std::fopen(path, "ab");
  if (!f) return kCantOpenFileErr;
  const std::size_t n = std::strlen(text);
  bool ok = std::fwrite(text, 1, n, f) == n;
  if (std::fclose(f) != 0) ok = false;
  if (ok) return kNoErr;
  // Cut a partly written entry off again.
  std::filesystem::resize_file(path, oldSize, ec);
  return -1;
}

ASErr CountPresetEntries(const char* path, int32_t* count) {
  if (!count) return kSPBadParameterError;
  *count = 0;
  InFile in;
  if (ASErr err = OpenChecked(path, in)) return err;
  int32_t n = 0;
  for (int c; (c = in.Get()) != EOF;)
    if (in.AtMarker(c)) ++n;
  if (in.Failed()) return -1;
  *count = n;
  return kNoErr;
}

}  // namespace vx
