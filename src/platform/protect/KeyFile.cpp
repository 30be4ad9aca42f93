#include "platform/protect/KeyFile.h"

#include <fcntl.h>
#include <sodium.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "platform/files/DescriptorIo.h"
#include "platform/registry/HiveLocations.h"

namespace {

std::string SystemText(int err) { return std::strerror(err); }

}  // namespace

KeyFile::KeyFile(std::string folder) : m_folder(std::move(folder)), m_path(m_folder + "/user.key") {}

std::string KeyFile::DefaultFolder() { return UserConfigFolder() + "/protect"; }

bool KeyFile::Read(SecretBytes& key, bool create, std::string& error) const {
  if (!CheckFolder(create, error)) return false;
  int fd = open(m_path.c_str(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC);
  if (fd < 0 && errno == ENOENT && create) {
    if (!Create(error)) return false;
    fd = open(m_path.c_str(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC);
  }
  if (fd < 0) {
    error = errno == ENOENT ? "there is no protection key file " + m_path
                            : "cannot open the protection key file " + m_path + ": " + SystemText(errno);
    return false;
  }
  bool ok = ReadOpen(fd, key, error);
  close(fd);
  return ok;
}

bool KeyFile::CheckFolder(bool create, std::string& error) const {
  struct stat info {};
  if (stat(m_folder.c_str(), &info) != 0) {
    if (errno == ENOENT && !create) {
      error = "there is no protection key file " + m_path;
      return false;
    }
    if (errno != ENOENT || !CreateFolders(m_folder, 0700) || stat(m_folder.c_str(), &info) != 0) {
      error = "cannot make the key folder " + m_folder + ": " + SystemText(errno);
      return false;
    }
  }
  if (!S_ISDIR(info.st_mode)) {
    error = "the key folder " + m_folder + " is not a folder";
    return false;
  }
  if (info.st_uid != geteuid() || (info.st_mode & (S_IWGRP | S_IWOTH)) != 0) {
    error = "refusing the key folder " + m_folder + ": it belongs to another user or others may change it";
    return false;
  }
  return true;
}

bool KeyFile::Create(std::string& error) const {
  unsigned char suffix[8];
  randombytes_buf(suffix, sizeof suffix);
  char hex[2 * sizeof suffix + 1];
  sodium_bin2hex(hex, sizeof hex, suffix, sizeof suffix);
  std::string temporary = m_folder + "/.user.key." + hex;

  int fd = open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
  if (fd < 0) {
    error = "cannot create the protection key file " + temporary + ": " + SystemText(errno);
    return false;
  }
  SecretBytes key(kKeySize);
  randombytes_buf(key.Data(), key.Size());
  bool written = WriteAll(fd, key.Data(), key.Size()) && fsync(fd) == 0;
  int writeErrno = errno;
  close(fd);
  // link() refuses an existing target, so a key that another process made first wins and
  // nobody ever sees a partly written key under the real name.
  bool linked = written && (link(temporary.c_str(), m_path.c_str()) == 0 || errno == EEXIST);
  int linkErrno = errno;
  unlink(temporary.c_str());
  if (!linked) {
    error = "cannot create the protection key file " + m_path + ": " + SystemText(written ? linkErrno : writeErrno);
    return false;
  }
  SyncFolder(m_folder);
  return true;
}

bool KeyFile::ReadOpen(int fd, SecretBytes& key, std::string& error) const {
  struct stat info {};
  if (fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
    error = "the protection key " + m_path + " is not a regular file";
    return false;
  }
  if (info.st_uid != geteuid()) {
    error = "refusing the protection key file " + m_path + ": it belongs to another user";
    return false;
  }
  if ((info.st_mode & (S_IRWXG | S_IRWXO)) != 0) {
    error = "refusing the protection key file " + m_path + ": other users may read or change it";
    return false;
  }
  if (info.st_size != static_cast<off_t>(kKeySize)) {
    error = "the protection key file " + m_path + " is damaged (wrong size)";
    return false;
  }
  key.Resize(kKeySize);
  if (ReadFull(fd, key.Data(), kKeySize) != static_cast<ssize_t>(kKeySize)) {
    error = "cannot read the protection key file " + m_path;
    return false;
  }
  return true;
}
