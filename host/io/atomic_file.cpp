#include "host/io/atomic_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <vector>

namespace vx::host::io {

bool WriteFileAtomically(const std::filesystem::path& target, std::string_view bytes,
                         std::string* error) {
  std::filesystem::path folder = target.parent_path();
  if (folder.empty()) folder = ".";
  std::string pattern = (folder / ("." + target.filename().string() + ".XXXXXX")).string();
  std::vector<char> name(pattern.begin(), pattern.end());
  name.push_back('\0');
  int fd = mkstemp(name.data());
  if (fd < 0) {
    *error = "cannot write " + target.string() + ": " + std::strerror(errno);
    return false;
  }
  auto fail = [&](int code) {
    close(fd);
    unlink(name.data());
    *error = "cannot write " + target.string() + ": " + std::strerror(code);
    return false;
  };
  size_t done = 0;
  while (done < bytes.size()) {
    ssize_t n = write(fd, bytes.data() + done, bytes.size() - done);
    if (n < 0) {
      if (errno == EINTR) continue;
      return fail(errno);
    }
    done += static_cast<size_t>(n);
  }
  // mkstemp makes the file private; outputs get the usual permissions.
  mode_t mask = umask(0);
  umask(mask);
  fchmod(fd, 0666 & ~mask);
  if (fsync(fd) != 0 && errno != EINVAL) return fail(errno);
  if (close(fd) != 0) {
    int code = errno;
    unlink(name.data());
    *error = "cannot write " + target.string() + ": " + std::strerror(code);
    return false;
  }
  if (std::rename(name.data(), target.c_str()) != 0) {
    int code = errno;
    unlink(name.data());
    *error = "cannot write " + target.string() + ": " + std::strerror(code);
    return false;
  }
  return true;
}

bool ReadFile(const std::filesystem::path& source, std::string* bytes, std::string* error,
              size_t maxBytes) {
  std::error_code ec;
  if (std::filesystem::is_directory(source, ec)) {
    *error = "cannot read " + source.string() + ": it is a folder";
    return false;
  }
  std::ifstream in(source, std::ios::binary);
  if (!in) {
    *error = "cannot read " + source.string() + ": " + std::strerror(errno);
    return false;
  }
  in.seekg(0, std::ios::end);
  std::streamoff size = in.tellg();
  if (size < 0 || static_cast<size_t>(size) > maxBytes) {
    *error = "cannot read " + source.string() + ": the file is too large";
    return false;
  }
  in.seekg(0);
  bytes->resize(static_cast<size_t>(size));
  if (size > 0 && !in.read(bytes->data(), size)) {
    *error = "cannot read " + source.string() + ": read error";
    return false;
  }
  return true;
}

}  // namespace vx::host::io
