// Fixture of the preset store tests: a host with the plug-in linked in, the
// plug-in's suites acquired, a globals record of the test's own and a fresh
// user settings root. Teardown checks that no block is left live.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "host/core/host.h"
#include "shell/globals.h"

namespace vx::test {

std::string ReadFileBytes(const std::filesystem::path& path);
void WriteFileBytes(const std::filesystem::path& path, const std::string& bytes);

// The folder of factory files beside the built plug-in module.
std::filesystem::path FactoryFolder();

// A minimal host list (a vector of entries) behind the ADM list and entry
// suites, enough for filling preset menus.
struct FakeListEntry {
  std::string text;
  int32_t id = 0;
};
struct FakeList {
  std::vector<FakeListEntry> entries;
};
ADMListRef AsListRef(FakeList& list);

class PresetTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  host::Host& host() { return *host_; }
  // The user settings folder the store works in (with a trailing '/').
  std::filesystem::path userFolder() const;
  // Sets CurrentPresetFile and the user folder without installation.
  void UseFile(const char* fileName);
  std::filesystem::path currentPath() const;
  // Copies the factory file of the current kind into the user folder.
  void InstallFactoryCopy();

  std::filesystem::path settingsRoot_;
  std::unique_ptr<host::Host> host_;
  std::unique_ptr<PluginGlobals> globals_;
  PluginGlobals* savedGlobals_ = nullptr;
  bool acquired_ = false;
};

}  // namespace vx::test
