// A fresh folder below $TMPDIR (or /tmp), removed with everything in it at the end of a test.
#pragma once

#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

class TempFolder {
 public:
  TempFolder() {
    char const* tmp = std::getenv("TMPDIR");
    std::string pattern = std::string(tmp && *tmp ? tmp : "/tmp") + "/cdtest.XXXXXX";
    m_path = mkdtemp(pattern.data()) ? pattern : std::string();
  }
  ~TempFolder() {
    std::error_code ignored;
    std::filesystem::permissions(m_path, std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::add, ignored);
    std::filesystem::remove_all(m_path, ignored);
  }
  TempFolder(TempFolder const&) = delete;
  TempFolder& operator=(TempFolder const&) = delete;

  std::string const& Path() const { return m_path; }
  std::string operator/(std::string const& name) const { return m_path + "/" + name; }

 private:
  std::string m_path;
};

// The permission bits of `path`, 0 when it cannot be reached.
inline mode_t FileMode(std::string const& path) {
  struct stat info {};
  return stat(path.c_str(), &info) == 0 ? info.st_mode & 07777 : 0;
}

// A whole file's bytes ("" when it cannot be read), and a file made to hold exactly `bytes`.
inline std::string ReadFileBytes(std::string const& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}
inline void WriteFileBytes(std::string const& path, std::string const& bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}
