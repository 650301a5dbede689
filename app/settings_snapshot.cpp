#include "app/settings_snapshot.h"

#include <iostream>

#include "host/io/atomic_file.h"

namespace vx::app {
namespace fs = std::filesystem;

namespace {

template <typename Visit>
void ForEachSettingsFile(const fs::path& folder, const Visit& visit) {
  for (const fs::path& dir : {folder, folder / "VERSALiX4 User Settings"}) {
    std::error_code ec;
    for (fs::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec))
      if (it->is_regular_file(ec)) visit(it->path());
  }
}

}  // namespace

SettingsSnapshot::SettingsSnapshot(const fs::path& folder) : folder_(folder) {
  ForEachSettingsFile(folder_, [this](const fs::path& path) {
    std::string bytes, error;
    if (host::io::ReadFile(path, &bytes, &error)) files_[path] = std::move(bytes);
  });
}

void SettingsSnapshot::Restore() const {
  ForEachSettingsFile(folder_, [this](const fs::path& path) {
    if (files_.count(path) == 0) {
      std::error_code ec;
      fs::remove(path, ec);
    }
  });
  for (const auto& [path, bytes] : files_) {
    std::string now, error;
    if (host::io::ReadFile(path, &now, &error) && now == bytes) continue;
    if (!host::io::WriteOutput(path, bytes, &error))
      std::cerr << "versalix4: " << error << "\n";
  }
}

}  // namespace vx::app
