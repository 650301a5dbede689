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
#include "support/scratch_folder.h"

namespace vx::test {

// The folder of factory files beside the built plug-in module.
std::filesystem::path FactoryFolder();
// The names of a preset file's user presets, in file order.
std::vector<std::string> PresetNames(const std::filesystem::path& path);

class PresetTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  host::Host& host() { return *host_; }
  // The user settings folder the store works in (with a trailing '/').
  std::filesystem::path userFolder() const;
  // Sets the file the test works on and the user folder, without
  // installation.
  void UseFile(const char* fileName);
  const char* file() const { return file_.c_str(); }
  std::filesystem::path currentPath() const;
  // Copies the factory file of the current kind into the user folder.
  void InstallFactoryCopy();
  // A palette of the dialog manager made from a template (destroyed at
  // teardown), and the texts of a list.
  ADMDialogRef MakePalette(int32_t templateId);
  std::vector<std::string> ListTexts(ADMListRef list);

  std::string file_;
  std::filesystem::path settingsRoot_;
  std::unique_ptr<host::Host> host_;
  std::unique_ptr<PluginGlobals> globals_;
  PluginGlobals* savedGlobals_ = nullptr;
  bool acquired_ = false;
  std::vector<ADMDialogRef> palettes_;
};

}  // namespace vx::test
