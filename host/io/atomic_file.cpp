#include "host/io/atomic_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <vector>

namespace vx::host::io {
namespace {

std::string Reason(const std::string& verb, const std::filesystem::path& path, int code) {
  return "cannot " + verb + " " + path.string() + ": " + std::strerror(code);
}

// Writes everything; the errno of the failure, or 0.
int WriteAll(int fd, std::string_view bytes) {
  size_t done = 0;
  while (done < bytes.size()) {
    ssize_t n = write(fd, bytes.data() + done, bytes.size() - done);
    if (n < 0) {
      if (errno == EINTR) continue;
      return errno;
    }
    done += static_cast<size_t>(n);
  }
  return 0;
}

bool IsDescriptorPath(const std::filesystem::path& path) {
  const std::string text = path.string();
  return text.rfind("/proc/", 0) == 0 || text.rfind("/dev/fd/", 0) == 0 ||
         text == "/dev/stdout" || text == "/dev/stderr";
}

// The path a chain of symbolic links ends at (the last one may be dangling);
// `descriptor` tells whether the chain names an open descriptor, which is
// written through whatever it refers to.
std::filesystem::path FollowLinks(std::filesystem::path path, bool* descriptor) {
  *descriptor = IsDescriptorPath(path);
  for (int hops = 0; hops < 40 && !*descriptor; ++hops) {
    std::error_code ec;
    if (!std::filesystem::is_symlink(path, ec)) return path;
    std::filesystem::path next = std::filesystem::read_symlink(path, ec);
    if (ec) return path;
    path = next.is_absolute() ? next : path.parent_path() / next;
    *descriptor = IsDescriptorPath(path);
  }
  return path;
}

// Writes into an existing node that is not a regular file.
// A regular file reached through a descriptor is truncated first.
bool WriteThrough(const std::filesystem::path& target, bool regular, std::string_view bytes,
                  std::string* error) {
  int fd = open(target.c_str(), O_WRONLY | O_CLOEXEC | (regular ? O_TRUNC : 0));
  if (fd < 0) {
    *error = Reason("write", target, errno);
    return false;
  }
  int code = WriteAll(fd, bytes);
  if (close(fd) != 0 && code == 0) code = errno;
  if (code != 0) {
    *error = Reason("write", target, code);
    return false;
  }
  return true;
}

bool ReplaceRegular(const std::filesystem::path& target, const struct stat* existing,
                    std::string_view bytes, std::string* error) {
  std::filesystem::path folder = target.parent_path();
  if (folder.empty()) folder = ".";
  std::string leaf(1, '.');
  leaf.append(target.filename().string()).append(".XXXXXX");
  std::string pattern = (folder / leaf).string();
  std::vector<char> name(pattern.begin(), pattern.end());
  name.push_back('\0');
  int fd = mkostemp(name.data(), O_CLOEXEC);
  if (fd < 0) {
    *error = Reason("write", target, errno);
    return false;
  }
  int code = WriteAll(fd, bytes);
  if (code == 0) {
    if (existing) {
      // Keep the replaced file's owner (when allowed) and mode.
      if (fchown(fd, existing->st_uid, existing->st_gid) != 0) { /* not ours to give */ }
      fchmod(fd, existing->st_mode & 07777);
    } else {
      // mkstemp makes the file private; new outputs get the usual permissions.
      mode_t mask = umask(0);
      umask(mask);
      fchmod(fd, 0666 & ~mask);
    }
    if (fsync(fd) != 0 && errno != EINVAL) code = errno;
  }
  if (close(fd) != 0 && code == 0) code = errno;
  if (code == 0 && std::rename(name.data(), target.c_str()) != 0) code = errno;
  if (code != 0) {
    unlink(name.data());
    *error = Reason("write", target, code);
    return false;
  }
  return true;
}

}  // namespace

bool WriteOutput(const std::filesystem::path& target, std::string_view bytes,
                 std::string* error) {
  if (IsStandardStream(target)) {
    if (int code = WriteAll(STDOUT_FILENO, bytes)) {
      *error = "cannot write to standard output: " + std::string(std::strerror(code));
      return false;
    }
    return true;
  }
  struct stat st;
  if (stat(target.c_str(), &st) == 0) {
    if (S_ISDIR(st.st_mode)) {
      *error = "cannot write " + target.string() + ": it is a folder";
      return false;
    }
    bool descriptor = false;
    const std::filesystem::path real = FollowLinks(target, &descriptor);
    // Devices, FIFOs, sockets, and descriptors named through /proc or /dev/fd.
    if (!S_ISREG(st.st_mode) || descriptor)
      return WriteThrough(target, S_ISREG(st.st_mode), bytes, error);
    return ReplaceRegular(real, &st, bytes, error);
  }
  if (errno != ENOENT) {
    *error = Reason("write", target, errno);
    return false;
  }
  bool descriptor = false;
  return ReplaceRegular(FollowLinks(target, &descriptor), nullptr, bytes, error);
}

bool SameFile(const std::filesystem::path& a, const std::filesystem::path& b) {
  if (IsStandardStream(a) || IsStandardStream(b)) return false;
  struct stat sa, sb;
  return stat(a.c_str(), &sa) == 0 && stat(b.c_str(), &sb) == 0 && S_ISREG(sa.st_mode) &&
         sa.st_dev == sb.st_dev && sa.st_ino == sb.st_ino;
}

bool ReadFile(const std::filesystem::path& source, std::string* bytes, std::string* error,
              size_t maxBytes) {
  const bool standard = IsStandardStream(source);
  const std::string name = standard ? std::string("standard input") : source.string();
  int fd = standard ? dup(STDIN_FILENO) : open(source.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) {
    *error = "cannot read " + name + ": " + std::strerror(errno);
    return false;
  }
  struct stat st;
  const bool statted = fstat(fd, &st) == 0;
  if (statted && S_ISDIR(st.st_mode)) {
    close(fd);
    *error = "cannot read " + name + ": it is a folder";
    return false;
  }
  // Read to the end rather than trusting the size: pipes and devices have
  // none. A regular file's size is the first guess of the room needed (one
  // more byte sees the end at once); reads go straight into the string.
  bytes->clear();
  size_t room = 65536;
  if (statted && !standard && S_ISREG(st.st_mode) && st.st_size > 0)
    room = std::min(size_t(st.st_size), maxBytes) + 1;
  size_t used = 0;
  for (;;) {
    if (used == bytes->size()) bytes->resize(std::max(used + room, bytes->size() * 2));
    ssize_t n = read(fd, bytes->data() + used, bytes->size() - used);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) {
      int code = errno;
      close(fd);
      bytes->clear();
      *error = "cannot read " + name + ": " + std::strerror(code);
      return false;
    }
    if (n == 0) break;
    used += size_t(n);
    if (used > maxBytes) {
      close(fd);
      bytes->clear();
      *error = "cannot read " + name + ": the file is larger than " +
               std::to_string(maxBytes >> 20) + " MB";
      return false;
    }
  }
  bytes->resize(used);
  close(fd);
  return true;
}

}  // namespace vx::host::io
