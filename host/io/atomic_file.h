// Writing an output file so that it is either complete or not there: the
// bytes go to a temporary file in the same folder, which is then renamed
// over the target. A failure leaves no partial file behind.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace vx::host::io {

// On failure returns false and sets `error` to one line naming the file and
// the reason.
bool WriteFileAtomically(const std::filesystem::path& target, std::string_view bytes,
                         std::string* error);

// Reads a whole file; false (with one line in `error`) when it cannot be read
// or is larger than `maxBytes`.
bool ReadFile(const std::filesystem::path& source, std::string* bytes, std::string* error,
              size_t maxBytes = size_t(1) << 30);

}  // namespace vx::host::io
