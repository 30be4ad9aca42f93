// Runs the cdtool program against a test's temporary root and collects its exit code and output.
#pragma once

#include <sys/wait.h>

#include <array>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>

#include "support/ScopedRoot.h"

class CdtoolRunner {
 public:
  struct Result {
    int exitCode = -1;
    std::string out;
    std::string err;
  };

  explicit CdtoolRunner(ScopedRoot const& root) : m_root(root) {}

  // Arguments go to the shell as written; callers single-quote those that need it.
  Result Run(std::string const& arguments) const {
    std::string const errFile = m_root.File("stderr.txt");
    std::string const command = std::string("'") + CDTOOL_PATH + "' --root '" + m_root.Path() + "' " + arguments +
                                " 2>'" + errFile + "'";
    Result result;
    FILE* pipe = popen(command.c_str(), "r");
    std::array<char, 4096> buffer;
    for (std::size_t n; (n = fread(buffer.data(), 1, buffer.size(), pipe)) > 0;) result.out.append(buffer.data(), n);
    int const status = pclose(pipe);
    result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    result.err = ReadFile(errFile);
    return result;
  }

  static std::string ReadFile(std::string const& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  }

 private:
  ScopedRoot const& m_root;
};
