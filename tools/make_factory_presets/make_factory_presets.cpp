// Writes the factory preset files, one per preset kind, into the folder
// named on the command line. Each file holds the header line and the
// "Default Setting" and "Last Setting" entries of the kind's factory record,
// written by the plug-in's own codec, so the files cannot drift from the
// records.
#include <cstdio>
#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

#include "presets/preset_file.h"
#include "presets/preset_kinds.h"
#include "presets/preset_store.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s OUTPUT_FOLDER\n", argv[0]);
    return 2;
  }
  const std::filesystem::path folder = argv[1];
  std::error_code ec;
  std::filesystem::create_directories(folder, ec);
  if (ec) {
    std::fprintf(stderr, "cannot create %s: %s\n", argv[1],
                 ec.message().c_str());
    return 1;
  }
  std::vector<unsigned char> record(vx::kLargestPresetRecord);
  std::vector<char> scratch(vx::kEntryBufferSize);
  for (int i = 0; i < vx::kPresetKindCount; ++i) {
    const vx::PresetKind* kind = vx::PresetKindAt(i);
    kind->factory(record.data(), kind->variant);
    const std::string path = (folder / kind->fileName).string();
    if (ASErr err = vx::presets::WriteNewPresetFile(
            path.c_str(), *kind, record.data(), scratch.data(), scratch.size())) {
      std::fprintf(stderr, "cannot write %s (%d)\n", path.c_str(), int(err));
      return 1;
    }
  }
  return 0;
}
