#include "presets/preset_fixture.h"

#include <cstring>
#include <fstream>
#include <iterator>

#include "presets/preset_store.h"
#include "shell/suites.h"
#include "support/host_fixture.h"

namespace vx::test {
namespace {

// ---- folders: the host's settings root ------------------------------------------
ASErr FakeFindFolder(int32_t type, ASBoolean, char* path, int32_t maxLength) {
  if (type != kAIUserSupportFolderType) return kSPBadParameterError;
  const std::string root = host::Host::Current().settingsDir().string();
  if (root.size() + 1 > size_t(maxLength)) return kSPBadParameterError;
  std::memcpy(path, root.c_str(), root.size() + 1);
  return kNoErr;
}
const AIFoldersSuite kFakeFolders = {FakeFindFolder};

// ---- lists ------------------------------------------------------------------
struct FakeEntryRef {
  FakeList* list;
  size_t index;
};
FakeEntryRef gLastEntry;

FakeList* ListOf(ADMListRef ref) { return reinterpret_cast<FakeList*>(ref); }
ADMEntryRef InsertEntry(ADMListRef ref, int32_t index) {
  FakeList* list = ListOf(ref);
  if (index < 0 || size_t(index) > list->entries.size()) return nullptr;
  list->entries.insert(list->entries.begin() + index, FakeListEntry{});
  gLastEntry = {list, size_t(index)};
  return reinterpret_cast<ADMEntryRef>(&gLastEntry);
}
int32_t NumberOfEntries(ADMListRef ref) {
  return int32_t(ListOf(ref)->entries.size());
}
FakeListEntry& EntryOf(ADMEntryRef ref) {
  auto* e = reinterpret_cast<FakeEntryRef*>(ref);
  return e->list->entries[e->index];
}
void SetText(ADMEntryRef ref, const char* text) { EntryOf(ref).text = text; }
void SetID(ADMEntryRef ref, int32_t id) { EntryOf(ref).id = id; }

ADMListSuite MakeListSuite() {
  ADMListSuite s{};
  s.InsertEntry = InsertEntry;
  s.NumberOfEntries = NumberOfEntries;
  return s;
}
ADMEntrySuite MakeEntrySuite() {
  ADMEntrySuite s{};
  s.SetText = SetText;
  s.SetID = SetID;
  return s;
}
const ADMListSuite kFakeList = MakeListSuite();
const ADMEntrySuite kFakeEntry = MakeEntrySuite();

}  // namespace

ADMListRef AsListRef(FakeList& list) {
  return reinterpret_cast<ADMListRef>(&list);
}

std::string ReadFileBytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

void WriteFileBytes(const std::filesystem::path& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), std::streamsize(bytes.size()));
}

std::filesystem::path FactoryFolder() {
  return std::filesystem::path(VX_PLUGIN_MODULE_PATH).parent_path() /
         "VERSALiX4 Default Settings";
}

void PresetTest::SetUp() {
  settingsRoot_ = FreshSettingsDir();
  host::HostOptions options;
  options.settingsDir = settingsRoot_;
  host_ = MakeLinkedHost(options);
  const void* table = nullptr;
  if (host_->suites().Acquire(kAIFoldersSuite, kAIFoldersSuiteVersion,
                              &table) == kNoErr) {
    host_->suites().Release(kAIFoldersSuite, kAIFoldersSuiteVersion);
  }
  auto* folders = static_cast<const AIFoldersSuite*>(table);
  if (!folders || !folders->FindFolder)
    host_->suites().Add(kAIFoldersSuite, kAIFoldersSuiteVersion, &kFakeFolders);
  host_->suites().Add(kADMListSuite, kADMListSuiteVersion, &kFakeList);
  host_->suites().Add(kADMEntrySuite, kADMEntrySuiteVersion, &kFakeEntry);
  ASSERT_EQ(kNoErr, AcquireSuites(host_->basic()));
  acquired_ = true;
  globals_ = std::make_unique<PluginGlobals>();
  std::memset(globals_.get(), 0, sizeof(PluginGlobals));
  savedGlobals_ = gGlobals;
  gGlobals = globals_.get();
}

void PresetTest::TearDown() {
  host_->blocks().FailAllocationNumber(0);
  gGlobals = savedGlobals_;
  if (acquired_) {
    EXPECT_EQ(kNoErr, ReleaseSuites(host_->basic()));
  }
  EXPECT_EQ(0u, host_->blocks().LiveCount()) << host_->blocks().LiveReport();
  host_.reset();
}

std::filesystem::path PresetTest::userFolder() const {
  return settingsRoot_ / "VERSALiX4 User Settings";
}

void PresetTest::UseFile(const char* fileName) {
  std::string folder = userFolder().string() + "/";
  ASSERT_LT(folder.size(), sizeof globals_->UserSettingsFolder);
  std::memset(globals_->UserSettingsFolder, 0,
              sizeof globals_->UserSettingsFolder);
  std::memcpy(globals_->UserSettingsFolder, folder.c_str(), folder.size());
  std::memset(globals_->CurrentPresetFile, 0,
              sizeof globals_->CurrentPresetFile);
  std::strncpy(globals_->CurrentPresetFile, fileName,
               sizeof globals_->CurrentPresetFile - 1);
  std::filesystem::create_directories(userFolder());
}

std::filesystem::path PresetTest::currentPath() const {
  return userFolder() / globals_->CurrentPresetFile;
}

void PresetTest::InstallFactoryCopy() {
  std::filesystem::copy_file(FactoryFolder() / globals_->CurrentPresetFile,
                             currentPath(),
                             std::filesystem::copy_options::overwrite_existing);
}

}  // namespace vx::test
