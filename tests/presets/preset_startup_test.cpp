// Start-up through PluginMain installs the user's preset folder.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "presets/preset_kinds.h"
#include "support/host_fixture.h"

namespace vx::test {
namespace {

namespace fs = std::filesystem;

std::string Bytes(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

class PresetStartup : public HostTest {};

TEST_F(PresetStartup, FreshSettingsFolderGetsEveryPresetFile) {
  options_.settingsDir = FreshSettingsDir();
  ASSERT_EQ(0, StartHost());
  const fs::path user = options_.settingsDir / "VERSALiX4 User Settings";
  const fs::path factory =
      fs::path(VX_PLUGIN_MODULE_PATH).parent_path() / "VERSALiX4 Default Settings";
  for (int i = 0; i < kPresetKindCount; ++i) {
    const char* name = PresetKindAt(i)->fileName;
    ASSERT_TRUE(fs::exists(user / name)) << name;
    EXPECT_EQ(Bytes(factory / name), Bytes(user / name)) << name;
  }
}

TEST_F(PresetStartup, UserFilesThatPassTheCheckAreKept) {
  options_.settingsDir = FreshSettingsDir();
  const fs::path user = options_.settingsDir / "VERSALiX4 User Settings";
  const fs::path factory =
      fs::path(VX_PLUGIN_MODULE_PATH).parent_path() / "VERSALiX4 Default Settings";
  fs::create_directories(user);
  const std::string mine = Bytes(factory / "VERSALiX4_PST_Neon.txt") + "$\tMine\r\n";
  std::ofstream(user / "VERSALiX4_PST_Neon.txt", std::ios::binary) << mine;
  std::ofstream(user / "VERSALiX4_PST_Border.txt", std::ios::binary) << "broken";
  ASSERT_EQ(0, StartHost());
  EXPECT_EQ(mine, Bytes(user / "VERSALiX4_PST_Neon.txt"));
  EXPECT_EQ(Bytes(factory / "VERSALiX4_PST_Border.txt"),
            Bytes(user / "VERSALiX4_PST_Border.txt"));
}

}  // namespace
}  // namespace vx::test
