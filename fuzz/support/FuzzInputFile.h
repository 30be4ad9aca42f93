// Loaders that read files are fuzzed through a real file: one per target and process, written
// for each input and removed after it.
#pragma once

#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

class FuzzInputFile {
 public:
  FuzzInputFile(char const* target, uint8_t const* data, size_t size) : m_path(PathFor(target)) {
    FILE* file = std::fopen(m_path.c_str(), "wb");
    m_written = file && std::fwrite(data, 1, size, file) == size;
    if (file) std::fclose(file);
  }
  ~FuzzInputFile() { std::remove(m_path.c_str()); }
  FuzzInputFile(FuzzInputFile const&) = delete;
  FuzzInputFile& operator=(FuzzInputFile const&) = delete;

  bool Written() const { return m_written; }
  char const* Path() const { return m_path.c_str(); }

 private:
  static std::string PathFor(char const* target) {
    char const* tmp = std::getenv("TMPDIR");
    return std::string(tmp && *tmp ? tmp : "/tmp") + "/" + target + "." + std::to_string(getpid()) + ".input";
  }

  std::string m_path;
  bool m_written = false;
};
