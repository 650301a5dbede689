// The settings files as they were before a command ran. The plug-in saves a
// dialog's or palette's Last Setting when it closes, also when the command
// then fails (a bad option, a failed operation); a command that ends
// non-zero puts every settings file back, so it stores nothing.
#pragma once

#include <filesystem>
#include <map>
#include <string>

namespace vx::app {

class SettingsSnapshot {
 public:
  // Reads the files directly in `folder` and in its "VERSALiX4 User
  // Settings" folder.
  explicit SettingsSnapshot(const std::filesystem::path& folder);
  // Writes back what changed and removes files that were not there.
  void Restore() const;

 private:
  std::filesystem::path folder_;
  std::map<std::filesystem::path, std::string> files_;
};

}  // namespace vx::app
