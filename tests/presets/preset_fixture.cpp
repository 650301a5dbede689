#include "presets/preset_fixture.h"

#include <cstring>

#include "presets/preset_store.h"
#include "shell/suites.h"
#include "support/host_fixture.h"

namespace vx::test {

std::vector<std::string> PresetNames(const std::filesystem::path& path) {
  std::vector<char> out(kNameListSize);
  EXPECT_EQ(kNoErr, ListPresetNames(path.c_str(), out.data(), out.size()));
  std::vector<std::string> names;
  const std::string all = out.data();
  for (std::size_t start = 0; !all.empty();) {
    const std::size_t tab = all.find('\t', start);
    names.push_back(all.substr(start, tab - start));
    if (tab == std::string::npos) break;
    start = tab + 1;
  }
  return names;
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
  ASSERT_EQ(kNoErr, AcquireSuites(host_->basic()));
  acquired_ = true;
  globals_ = std::make_unique<PluginGlobals>();
  std::memset(globals_.get(), 0, sizeof(PluginGlobals));
  savedGlobals_ = gGlobals;
  gGlobals = globals_.get();
}

ADMDialogRef PresetTest::MakePalette(int32_t templateId) {
  ADMDialogRef dialog =
      sADMDialog->Create(host_->pluginRef(), "preset test palette", templateId,
                         kADMFloatingDialogStyle, nullptr, nullptr, 0);
  if (dialog) palettes_.push_back(dialog);
  return dialog;
}

std::vector<std::string> PresetTest::ListTexts(ADMListRef list) {
  std::vector<std::string> texts;
  for (int32_t i = 0; i < sADMList->NumberOfEntries(list); ++i) {
    char text[256];
    sADMEntry->GetText(sADMList->IndexEntry(list, i), text, sizeof text);
    texts.push_back(text);
  }
  return texts;
}

void PresetTest::TearDown() {
  for (ADMDialogRef dialog : palettes_) sADMDialog->Destroy(dialog);
  palettes_.clear();
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
  file_ = fileName;
  std::filesystem::create_directories(userFolder());
}

std::filesystem::path PresetTest::currentPath() const {
  return userFolder() / file_;
}

void PresetTest::InstallFactoryCopy() {
  std::filesystem::copy_file(FactoryFolder() / file_,
                             currentPath(),
                             std::filesystem::copy_options::overwrite_existing);
}

}  // namespace vx::test
