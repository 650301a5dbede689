// The store on real files: installation, load and repair, the rewrite's
// edits and roll-back, limits, damaged files, allocation failures.
#include <gtest/gtest.h>

#include <sys/resource.h>

#include <chrono>
#include <csignal>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "effects/border.h"
#include "generated/resource_ids.h"
#include "effects/explosion.h"
#include "effects/galaxy.h"
#include "host/adm/dialog_manager.h"
#include "host/core/user_interaction.h"
#include "presets/preset_codec.h"
#include "presets/preset_fixture.h"
#include "presets/preset_kinds.h"
#include "presets/preset_store.h"
#include "shell/suites.h"
#include "support/allocation_sweep.h"

namespace vx::test {
namespace {

namespace fs = std::filesystem;
constexpr const char* kBorderFile = "VERSALiX4_PST_Border.txt";

BorderPGParams Border(const char* name, int steps) {
  BorderPGParams p = kBorderFactoryParams;
  std::memset(p.name, 0, sizeof p.name);
  std::strncpy(p.name, name, sizeof p.name - 1);
  p.steps = steps;
  return p;
}

std::string EntryText(const BorderPGParams& p) {
  char text[kEntryBufferSize];
  std::size_t n = 0;
  EXPECT_EQ(kNoErr, EncodeRecord(*FindPresetKind(kBorderFile), &p, text,
                                 sizeof text, &n));
  return std::string(text, n);
}

std::string FactoryBytes(const char* file) {
  return ReadFile(FactoryFolder() / file);
}

// Splits a preset file at its entry markers: [0] header, [1..] entries.
std::vector<std::string> Split(const std::string& bytes) {
  std::vector<std::string> parts(1);
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    if (bytes[i] == '$' && i + 1 < bytes.size() && bytes[i + 1] == '\t')
      parts.emplace_back();
    parts.back() += bytes[i];
  }
  return parts;
}

class PresetStore : public PresetTest {
 protected:
  // A Border file with the factory entries and the user presets named.
  void MakeBorderFile(const std::vector<std::string>& presets) {
    UseFile(kBorderFile);
    InstallFactoryCopy();
    int steps = 10;
    for (const auto& name : presets) {
      BorderPGParams p = Border(name.c_str(), steps++);
      ASSERT_EQ(kNoErr, AppendPreset(file(), &p));
    }
  }
};

// ---- installation ---------------------------------------------------------------

// The factory folder holds every kind's file: its header and two fixed
// entries; a fresh user folder gets a copy of each and nothing more.
TEST_F(PresetStore, AFreshFolderGetsEveryFactoryFile) {
  ASSERT_EQ(kNoErr, InstallUserPresets(host().pluginRef()));
  EXPECT_EQ(userFolder().string() + "/", std::string(gGlobals->UserSettingsFolder));
  for (int i = 0; i < kPresetKindCount; ++i) {
    const char* name = PresetKindAt(i)->fileName;
    SCOPED_TRACE(name);
    const std::string bytes = FactoryBytes(name);
    EXPECT_EQ(std::string(kPresetBanner) + "\t" + name + "\r\n", Split(bytes)[0]);
    EXPECT_EQ(3u, Split(bytes).size());
    EXPECT_EQ(bytes, ReadFile(userFolder() / name));
  }
  EXPECT_EQ(size_t(kPresetKindCount),
            size_t(std::distance(fs::directory_iterator(userFolder()),
                                 fs::directory_iterator())));
  EXPECT_EQ(std::string(kPresetBanner) + "\t" + kBorderFile + "\r\n" +
                EntryText(Border("Default Setting", 3)) +
                EntryText(Border("Last Setting", 3)),
            FactoryBytes(kBorderFile));
}

// Only a foreign Border file runs the installation through every file: a
// user's file that is replaced is kept aside first, under a name with the
// day, and the user is told where; a good file with presets stays; a
// byte-order mark in front of the banner is no reason to replace anything.
TEST_F(PresetStore, ReplacedFilesAreKeptAsideAndAByteOrderMarkIsTolerated) {
  const std::time_t now = std::time(nullptr);
  std::tm day{};
  gmtime_r(&now, &day);
  char date[16];
  std::strftime(date, sizeof date, "%Y-%m-%d", &day);
  const std::string aside = std::string("VERSALiX4_PST_Border (replaced ") + date;
  const std::string mine = FactoryBytes(kBorderFile) + "$\tMine\r\nD\t7\r\n";
  const struct {
    const char* name;
    std::string bytes;
    const char* keptAs;  // null: the file stays as it is
    std::size_t alerts;  // the first one Border's
  } cases[] = {
      {"foreign (and a damaged Cutout file)", "not a preset file\r\n", ").txt", 2},
      {"foreign again the same day", "still not one\r\n", " 2).txt", 1},
      {"byte-order mark", "\xEF\xBB\xBF" + mine, nullptr, 0},
      {"empty", "", nullptr, 0},
  };
  fs::create_directories(userFolder());
  WriteFile(userFolder() / kBorderFile, FactoryBytes(kBorderFile));
  ASSERT_EQ(kNoErr, InstallUserPresets(host().pluginRef()));
  EXPECT_FALSE(fs::exists(userFolder() / "VERSALiX4_PST_Circle.txt"));
  const std::string circle = FactoryBytes("VERSALiX4_PST_Circle.txt") + "$\tMine\r\nA\t12\r\n";
  WriteFile(userFolder() / "VERSALiX4_PST_Circle.txt", circle);
  WriteFile(userFolder() / "VERSALiX4_PST_Cutout.txt", std::string(kPresetBanner).substr(0, 40));
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    WriteFile(userFolder() / kBorderFile, c.bytes);
    const std::size_t alerts = host().dialogs().alerts().size();
    ASSERT_EQ(kNoErr, InstallUserPresets(host().pluginRef()));
    if (!c.keptAs) {
      EXPECT_EQ(c.bytes.empty() ? FactoryBytes(kBorderFile) : c.bytes,
                ReadFile(userFolder() / kBorderFile));
      EXPECT_EQ(alerts, host().dialogs().alerts().size());
      continue;
    }
    const fs::path kept = userFolder() / (aside + c.keptAs);
    EXPECT_EQ(c.bytes, ReadFile(kept));
    EXPECT_EQ(FactoryBytes(kBorderFile), ReadFile(userFolder() / kBorderFile));
    ASSERT_EQ(alerts + c.alerts, host().dialogs().alerts().size());
    EXPECT_NE(std::string::npos, host().dialogs().alerts()[alerts].text.find(kept.string()));
  }
  EXPECT_EQ(circle, ReadFile(userFolder() / "VERSALiX4_PST_Circle.txt"));
  EXPECT_EQ(FactoryBytes("VERSALiX4_PST_Cutout.txt"),
            ReadFile(userFolder() / "VERSALiX4_PST_Cutout.txt"));
  // The marked file reads as any other.
  WriteFile(userFolder() / kBorderFile, "\xEF\xBB\xBF" + mine);
  UseFile(kBorderFile);
  EXPECT_EQ((std::vector<std::string>{"Mine"}), PresetNames(currentPath()));
  BorderPGParams p = Border("", 0);
  ASSERT_EQ(kNoErr, LoadPreset(file(), &p, 0));
  EXPECT_EQ(7, p.steps);
}

TEST_F(PresetStore, InstallationSurvivesEveryAllocationFailure) {
  SweepAllocationFailures(host(), {
      .prepare = [&] { fs::remove_all(userFolder()); },
      .run = [&] { return InstallUserPresets(host().pluginRef()); },
      .cap = 10});
  EXPECT_EQ(FactoryBytes(kBorderFile), ReadFile(userFolder() / kBorderFile));
}

// ---- loading ------------------------------------------------------------------

// The random seeds of Galaxy and Explosion start as the tick count of the
// record's making: the host's at run time.
TEST_F(PresetStore, SeedsOfNewRecordsAreTheTickCount) {
  struct Case {
    const char* file;
    std::size_t seedOffset;
    const char* seedLine;
  };
  const Case cases[] = {
      {"VERSALiX4_PST_Galaxy.txt", offsetof(GalaxyPGParams, seed), "\r\nQ\t4242\r\n"},
      {"VERSALiX4_PST_Explosion.txt", offsetof(ExplosionPGParams, seed), "\r\nJ\t4242\r\n"},
  };
  host().user().FixTickCount(4242);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.file);
    UseFile(c.file);
    unsigned char record[kLargestPresetRecord] = {};
    ASSERT_EQ(kNoErr, FillFactoryRecord(file(), record));
    int32_t seed = 0;
    std::memcpy(&seed, record + c.seedOffset, sizeof seed);
    EXPECT_EQ(4242, seed);
    std::memset(record, 0, sizeof record);
    ASSERT_EQ(kNoErr, LoadLastSettingOrDefaults(file(), record));  // no file yet
    const std::string bytes = ReadFile(currentPath());
    const std::size_t first = bytes.find(c.seedLine);
    ASSERT_NE(std::string::npos, first);
    EXPECT_NE(std::string::npos, bytes.find(c.seedLine, first + 1));  // both entries
  }
}

// Fields an entry does not hold read as the factory values, never as what
// the record held before; a Last Setting cut inside a line or missing reads
// as the factory values altogether, and the file is repaired; a missing file
// is made from the factory values.
TEST_F(PresetStore, MissingFieldsAndCutLastSettingReadAsFactoryValues) {
  MakeBorderFile({"Keep"});
  auto parts = Split(ReadFile(currentPath()));
  const struct {
    const char* name;
    std::string lastSetting;
    bool keepsFile;
    int steps;
    float offset;
  } cases[] = {
      {"missing fields", "$\tLast Setting\r\nD\t42\r\n", true, 42, 0.0f},
      {"cut last line", "$\tLast Setting\r\nD\t42\r\nE\t0.5", false, 3, 0.0f},
      {"whole", "$\tLast Setting\r\nD\t42\r\nE\t0.5\r\n", true, 42, 0.5f},
      {"no Last Setting", "", false, 3, 0.0f},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    // The cut entry is the file's last, as a cut write leaves it.
    const std::string bytes = parts[0] + parts[1] + c.lastSetting;
    WriteFile(currentPath(), bytes);
    BorderPGParams p = Border("x", 1);
    p.angle = 1.5f;
    p.shadowTint = 0.25f;
    if (c.lastSetting.empty()) {
      EXPECT_EQ(kEndOfFileErr, LoadPreset(file(), &p, kLastSettingIndex));
      EXPECT_EQ(1, p.steps);
    }
    ASSERT_EQ(kNoErr, LoadLastSettingOrDefaults(file(), &p));
    EXPECT_EQ(c.steps, p.steps);
    EXPECT_EQ(c.offset, p.offset);
    EXPECT_EQ(kBorderFactoryParams.angle, p.angle);
    EXPECT_EQ(1.0f, p.shadowTint);
    EXPECT_EQ(c.keepsFile, bytes == ReadFile(currentPath()));
  }
  EXPECT_EQ(FactoryBytes(kBorderFile), ReadFile(currentPath()));  // repaired as made
  fs::remove(currentPath());
  BorderPGParams record = Border("x", 1);
  ASSERT_EQ(kNoErr, LoadLastSettingOrDefaults(file(), &record));
  EXPECT_EQ(FactoryBytes(kBorderFile), ReadFile(currentPath()));
}

// ---- rewrites -------------------------------------------------------------------

TEST_F(PresetStore, SaveReplacesOneEntryAndRenamesLastSetting) {
  MakeBorderFile({"P0", "P1"});
  const auto before = Split(ReadFile(currentPath()));
  BorderPGParams p = Border("Whatever", 77);
  ASSERT_EQ(kNoErr, SavePreset(file(), &p, kLastSettingIndex));
  EXPECT_STREQ("Last Setting", p.name);
  auto expect = before;
  expect[2] = EntryText(Border("Last Setting", 77));
  EXPECT_EQ(expect, Split(ReadFile(currentPath())));
  // Saving the bytes the entry already holds leaves the file untouched.
  const auto yesterday = fs::file_time_type::clock::now() - std::chrono::hours(24);
  fs::last_write_time(currentPath(), yesterday);
  BorderPGParams same = Border("Whatever", 77);
  ASSERT_EQ(kNoErr, SavePreset(file(), &same, kLastSettingIndex));
  EXPECT_EQ(yesterday, fs::last_write_time(currentPath()));
  BorderPGParams q = Border("Renamed", 5);
  ASSERT_EQ(kNoErr, SavePreset(file(), &q, 1));
  EXPECT_EQ(EntryText(q), Split(ReadFile(currentPath()))[4]);
  // An index past the end copies the file as it is.
  const std::string now = ReadFile(currentPath());
  BorderPGParams far = Border("Far", 1);
  ASSERT_EQ(kNoErr, SavePreset(file(), &far, 7));
  EXPECT_EQ(now, ReadFile(currentPath()));
  EXPECT_FALSE(fs::exists(currentPath().string() + "Tmp"));
  // Moving or reading past the end is the end of the file.
  EXPECT_EQ(kEndOfFileErr, MovePreset(file(), 9, 0));
  std::vector<char> text(kEntryBufferSize);
  EXPECT_EQ(kEndOfFileErr, ReadEntryText(currentPath().c_str(), 4, text.data(), text.size()));
}

// The list stops at 1,024 names; loading reaches every preset, the fixed
// entries, and ends past the last.
TEST_F(PresetStore, ThousandAndTwentyFourPresetsAreListed) {
  MakeBorderFile({});
  std::string bytes = ReadFile(currentPath());
  for (int i = 0; i < 1030; ++i)
    bytes += "$\t" + std::string(70, char('a' + i % 26)) + std::to_string(i) +
             "\r\nD\t" + std::to_string(i) + "\r\n";
  WriteFile(currentPath(), bytes);
  auto names = PresetNames(currentPath());
  ASSERT_EQ(1024u, names.size());
  EXPECT_EQ(std::string(64, 'a'), names[0]);
  EXPECT_EQ(std::string(64, char('a' + 1023 % 26)), names[1023]);
  BorderPGParams p = Border("", 0);
  ASSERT_EQ(kNoErr, LoadPreset(file(), &p, 1029));
  EXPECT_EQ(1029, p.steps);
  ASSERT_EQ(kNoErr, LoadPreset(file(), &p, kDefaultSettingIndex));
  EXPECT_EQ(3, p.steps);
  EXPECT_EQ(kEndOfFileErr, LoadPreset(file(), &p, 1030));
}

// ---- failures -------------------------------------------------------------------

// Makes every file write past `bytes` fail, as a full disk would.
class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t bytes) {
    std::signal(SIGXFSZ, SIG_IGN);
    getrlimit(RLIMIT_FSIZE, &saved_);
    rlimit limit = saved_;
    limit.rlim_cur = bytes;
    setrlimit(RLIMIT_FSIZE, &limit);
  }
  ~FileSizeLimit() { setrlimit(RLIMIT_FSIZE, &saved_); }

 private:
  rlimit saved_{};
};

// A rewrite that cannot finish loses nothing: its "Tmp" copy blocked by a
// non-empty folder of that name (neither replaced nor removed), or the disk
// full.
TEST_F(PresetStore, ARewriteThatCannotFinishLosesNothing) {
  MakeBorderFile({"P0", "P1", "P2"});
  const std::string before = ReadFile(currentPath());
  const fs::path tmp = currentPath().string() + "Tmp";
  BorderPGParams p = Border("A much longer name than before to grow", 1);
  const PresetIndex gone[] = {0};
  using Op = std::function<ASErr()>;
  const Op save = [&] { return SavePreset(file(), &p, 0); };
  const Op append = [&] { return AppendPreset(file(), &p); };
  const Op remove = [&] { return DeletePresets(file(), gone, 1); };
  const Op move = [&] { return MovePreset(file(), 0, 2); };
  for (bool fullDisk : {false, true}) {
    SCOPED_TRACE(fullDisk ? "full disk" : "blocked");
    std::optional<FileSizeLimit> limit;
    if (fullDisk) limit.emplace(before.size() - 10);
    else fs::create_directories(tmp / "inside");
    for (const Op& op : fullDisk ? std::vector<Op>{save, append, move}
                                 : std::vector<Op>{save, remove, move}) {
      EXPECT_EQ(-1, op());
      EXPECT_EQ(before, ReadFile(currentPath()));
    }
    limit.reset();
    fs::remove_all(tmp);
  }
  {
    FileSizeLimit limit(100);
    BorderPGParams q = p;
    EXPECT_EQ(-1, CreatePresetFile(file(), &q));
    EXPECT_EQ(before, ReadFile(currentPath()));
    fs::remove_all(userFolder());
    EXPECT_EQ(-1, InstallUserPresets(host().pluginRef()));
    EXPECT_TRUE(fs::is_empty(userFolder()));
  }
  EXPECT_FALSE(fs::exists(tmp));
  EXPECT_FALSE(fs::exists(currentPath().string() + "New"));
}

TEST_F(PresetStore, ForeignAndUnreadableFilesAreRefused) {
  UseFile(kBorderFile);
  WriteFile(currentPath(), "just some text that is long enough to fill a banner but is not one\r\n$\tx\r\n");
  const std::string foreign = ReadFile(currentPath());
  BorderPGParams p = Border("x", 1);
  EXPECT_EQ(-1, LoadPreset(file(), &p, -2));
  EXPECT_EQ(-1, SavePreset(file(), &p, 0));
  EXPECT_EQ(-1, AppendPreset(file(), &p));
  EXPECT_EQ(foreign, ReadFile(currentPath()));
  char kind[kPresetKindNameSize];
  EXPECT_EQ(-1, ReadPresetFileKind(currentPath().c_str(), kind));
  // A folder in the file's place cannot be read.
  fs::remove(currentPath());
  fs::create_directory(currentPath());
  EXPECT_EQ(-1, PresetFileCheck(currentPath().c_str()));
  EXPECT_EQ(-1, LoadPreset(file(), &p, -1));
  fs::remove(currentPath());
  EXPECT_EQ(kCantOpenFileErr, LoadPreset(file(), &p, -1));
  EXPECT_EQ(kCantOpenFileErr, PresetFileCheck(currentPath().c_str()));
  UseFile("VERSALiX4_PST_Unknown.txt");  // no kind has this file
  EXPECT_NE(kNoErr, LoadPreset(file(), &p, kLastSettingIndex));
}

TEST_F(PresetStore, TruncatedFileKeepsWhatIsThere) {
  MakeBorderFile({"P0", "P1"});
  std::string bytes = ReadFile(currentPath());
  bytes.resize(bytes.size() - 9);  // inside P1's last line
  WriteFile(currentPath(), bytes);
  BorderPGParams p = Border("", 0);
  ASSERT_EQ(kNoErr, LoadPreset(file(), &p, 0));
  EXPECT_EQ(10, p.steps);
  EXPECT_EQ((std::vector<std::string>{"P0", "P1"}), PresetNames(currentPath()));
  const PresetIndex gone[] = {0};
  ASSERT_EQ(kNoErr, DeletePresets(file(), gone, 1));
  EXPECT_EQ(Split(bytes)[4], Split(ReadFile(currentPath()))[3]);
  WriteFile(currentPath(), bytes.substr(0, 50));
  EXPECT_EQ(-1, LoadPreset(file(), &p, -2));
}

TEST_F(PresetStore, EntriesLongerThanTheBufferAreNeverCut) {
  MakeBorderFile({"P0"});
  std::string bytes = ReadFile(currentPath());
  std::string longEntry = "$\tLong\r\nD\t61\r\n";
  while (longEntry.size() < 9000) longEntry += "Pad\t" + std::string(100, 'p') + "\r\n";
  longEntry += "C\t3\r\n";
  bytes += longEntry;
  WriteFile(currentPath(), bytes);
  BorderPGParams p = Border("", 0);
  ASSERT_EQ(kNoErr, LoadPreset(file(), &p, 1));
  EXPECT_EQ(61, p.steps);
  std::vector<char> text(kEntryBufferSize);
  EXPECT_EQ(-1, ReadEntryText(currentPath().c_str(), 3, text.data(), text.size()));
  EXPECT_EQ(-1, MovePreset(file(), 1, 0));
  EXPECT_EQ(bytes, ReadFile(currentPath()));
  BorderPGParams q = Border("Q", 5);
  ASSERT_EQ(kNoErr, SavePreset(file(), &q, 0));
  EXPECT_EQ(longEntry, Split(ReadFile(currentPath())).back());
  ASSERT_EQ(kNoErr, MovePreset(file(), 0, 1));
  EXPECT_EQ((std::vector<std::string>{"Long", "Q"}), PresetNames(currentPath()));
}

TEST_F(PresetStore, KindNameComesFromTheHeader) {
  MakeBorderFile({});
  const std::string banner = kPresetBanner;
  const struct {
    std::string bytes;  // "" : the file as made
    ASErr err;
    std::string kind;
  } cases[] = {{"", kNoErr, kBorderFile},
               {banner + "no tab\r\n", kNoErr, ""},
               {banner + "\t" + std::string(40, 'k'), kEndOfFileErr, ""},
               {banner + "\t" + std::string(40, 'k') + "\n", kNoErr, std::string(31, 'k')}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.bytes);
    if (!c.bytes.empty()) WriteFile(currentPath(), c.bytes);
    char kind[kPresetKindNameSize];
    ASSERT_EQ(c.err, ReadPresetFileKind(currentPath().c_str(), kind));
    if (c.err == kNoErr) {
      EXPECT_EQ(c.kind, kind);
    }
  }
}

// Every operation, with each of its allocations failing in turn: the right
// code, no block left live, and the file as it was.
TEST_F(PresetStore, AllocationFailuresLeaveNoBlockAndNoChange) {
  MakeBorderFile({"P0", "P1", "P2"});
  const std::string before = ReadFile(currentPath());
  BorderPGParams record = Border("R", 4);
  const PresetIndex gone[] = {1};
  ADMDialogRef palette = MakePalette(res::kPresetImport);
  ADMListRef list = sADMItem->GetList(sADMDialog->GetItem(palette, res::PresetImport::kList));
  const std::vector<std::pair<const char*, std::function<ASErr()>>> ops = {
      {"load", [&] { return LoadPreset(file(), &record, 0); }},
      {"load last", [&] { return LoadLastSettingOrDefaults(file(), &record); }},
      {"save", [&] { return SavePreset(file(), &record, 0); }},
      {"append", [&] { return AppendPreset(file(), &record); }},
      {"delete", [&] { return DeletePresets(file(), gone, 1); }},
      {"move", [&] { return MovePreset(file(), 0, 2); }},
      {"create", [&] { return CreatePresetFile(file(), &record); }},
      {"list", [&] {
         while (sADMList->NumberOfEntries(list) > 0) sADMList->RemoveEntry(list, 0);
         return FillPresetList(list, kBorderFile, true);
       }}};
  for (const auto& [name, op] : ops) {
    SCOPED_TRACE(name);
    SweepAllocationFailures(host(), {
        .prepare = [&] { WriteFile(currentPath(), before); },
        .run = op,
        .check = [&](ASErr err, long, bool failed) {
          EXPECT_EQ(failed ? kOutOfMemoryErr : kNoErr, err);
          if (failed) {
            EXPECT_EQ(before, ReadFile(currentPath()));
          }
        },
        .cap = 10});
  }
}

}  // namespace
}  // namespace vx::test
