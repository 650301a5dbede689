// Reading inputs and writing outputs of the command line.
//
// An output is either complete or not there. A regular file (or a path that
// does not exist yet) is replaced atomically: the bytes go to a temporary
// file in the same folder, which is then renamed over it. A symbolic link is
// followed to the file it names, so the link stays a link, and an existing
// file keeps its mode and owner. Anything else (a device such as /dev/null,
// a FIFO, a descriptor such as /dev/stdout) is written straight through,
// since renaming over it would replace the node itself. "-" is standard
// output (and standard input for reading).
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace vx::host::io {

// The path "-": standard input or output.
inline bool IsStandardStream(const std::filesystem::path& path) { return path == "-"; }

// On failure returns false and sets `error` to one line naming the file and
// the reason; nothing is left behind at a regular target.
bool WriteOutput(const std::filesystem::path& target, std::string_view bytes,
                 std::string* error);

// True when both paths name the same existing file (after links).
bool SameFile(const std::filesystem::path& a, const std::filesystem::path& b);

// Reads a whole file ("-": standard input); false (with one line in
// `error`) when it cannot be read or is larger than `maxBytes`.
bool ReadFile(const std::filesystem::path& source, std::string* bytes, std::string* error,
              size_t maxBytes = size_t(1) << 30);

}  // namespace vx::host::io
