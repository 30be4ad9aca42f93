#include "platform/files/AtomicFileWriter.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstring>
#include <filesystem>
#include <random>

#include "platform/files/DescriptorIo.h"

namespace {

constexpr int kMaxLinks = 40;  // as the kernel's own limit on a path's links
constexpr int kNameAttempts = 16;

bool ReadAll(int fd, std::string& bytes) {
  char buffer[8192];
  for (;;) {
    ssize_t const got = ::read(fd, buffer, sizeof buffer);
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) return false;
    if (got == 0) return true;
    bytes.append(buffer, static_cast<size_t>(got));
  }
}

// The file's whole content becomes `bytes`.
bool Overwrite(int fd, std::string_view bytes) {
  return ::lseek(fd, 0, SEEK_SET) == 0 && WriteAll(fd, bytes.data(), bytes.size()) &&
         ::ftruncate(fd, static_cast<off_t>(bytes.size())) == 0 && ::fsync(fd) == 0;
}

// The file a chain of symbolic links ends at; it need not exist. False (errno ELOOP) for a loop.
bool FollowLinks(std::string path, std::string& target) {
  for (int hop = 0; hop < kMaxLinks; ++hop) {
    struct stat info {};
    if (::lstat(path.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) {
      target = path;
      return true;
    }
    char link[PATH_MAX];
    ssize_t const length = ::readlink(path.c_str(), link, sizeof link);
    if (length < 0 || length == sizeof link) return false;
    std::filesystem::path const next(std::string(link, static_cast<size_t>(length)));
    path = next.is_absolute() ? next.string() : (std::filesystem::path(path).parent_path() / next).string();
  }
  errno = ELOOP;
  return false;
}

// A new sibling of `target` no other process has, made with `mode` (the umask applies).
int CreateTemporary(std::string const& target, mode_t mode, std::string& temporary) {
  std::filesystem::path const path(target);
  std::random_device random;
  for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
    temporary = (path.parent_path() / ("." + path.filename().string() + "." + std::to_string(random()))).string();
    int const fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
    if (fd >= 0 || errno != EEXIST) return fd;
  }
  return -1;
}

// Owner before mode: changing the owner clears the set-user-ID and set-group-ID bits.
bool TakeOver(int fd, struct stat const& old) {
  if ((old.st_uid != ::geteuid() || old.st_gid != ::getegid()) && ::fchown(fd, old.st_uid, old.st_gid) != 0)
    return false;
  return ::fchmod(fd, old.st_mode & 07777) == 0;
}

}  // namespace

AtomicFileWriter::Result AtomicFileWriter::Write(std::string const& path, std::string_view bytes) {
  m_report.clear();
  std::string target;
  if (!FollowLinks(path, target)) return Fail("cannot resolve " + path, errno);
  struct stat old {};
  bool const exists = ::stat(target.c_str(), &old) == 0;
  if (exists && !S_ISREG(old.st_mode)) {
    m_report = "cannot write " + path + ": it is not a regular file";
    return Result::Failed;
  }
  return Replace(target, exists ? &old : nullptr, bytes);
}

AtomicFileWriter::Result AtomicFileWriter::Replace(std::string const& target, struct stat const* old,
                                                   std::string_view bytes) {
  std::string temporary;
  int const fd = CreateTemporary(target, old ? 0600 : 0666, temporary);
  if (fd < 0 && old && (errno == EACCES || errno == EPERM))
    return WriteInPlace(target, bytes, std::string("its folder takes no new file (") + std::strerror(errno) + ")");
  if (fd < 0) return Fail("cannot write " + target, errno);
  if (old && !TakeOver(fd, *old)) {
    int const error = errno;
    ::close(fd);
    ::unlink(temporary.c_str());
    return WriteInPlace(target, bytes, std::string("its owner or mode cannot be kept (") + std::strerror(error) + ")");
  }
  bool const written = WriteAll(fd, bytes.data(), bytes.size()) && ::fsync(fd) == 0;
  int const error = errno;
  if (::close(fd) != 0 || !written) return Fail("cannot write " + target, written ? errno : error, temporary);
  if (::rename(temporary.c_str(), target.c_str()) != 0) return Fail("cannot replace " + target, errno, temporary);
  SyncFolder(std::filesystem::path(target).parent_path().string());
  return Result::Replaced;
}

AtomicFileWriter::Result AtomicFileWriter::WriteInPlace(std::string const& target, std::string_view bytes,
                                                        std::string const& why) {
  int const fd = ::open(target.c_str(), O_RDWR | O_CLOEXEC | O_NOFOLLOW);
  if (fd < 0) return Fail("cannot write " + target + ": " + why + ", nor the file itself", errno);
  std::string old;
  if (!ReadAll(fd, old)) {
    int const error = errno;
    ::close(fd);
    return Fail("cannot read " + target + " before writing it in place (" + why + ")", error);
  }
  bool const written = Overwrite(fd, bytes);
  int const error = errno;
  // A write that failed part way is undone, so that the file keeps its old content.
  if (!written) Overwrite(fd, old);
  ::close(fd);
  if (!written) return Fail("cannot write " + target + " in place (" + why + ")", error);
  m_report = target + " was written in place, not replaced: " + why;
  return Result::WrittenInPlace;
}

AtomicFileWriter::Result AtomicFileWriter::Fail(std::string const& what, int error, std::string const& temporary) {
  m_report = what + ": " + std::strerror(error);
  if (!temporary.empty()) ::unlink(temporary.c_str());
  return Result::Failed;
}
