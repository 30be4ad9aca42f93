// Runs the cdtool program with --root set to a test's isolated folder and collects its exit
// code, stdout and stderr.
#pragma once

#include <sys/wait.h>

#include <array>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>

#include "support/ScopedRoot.h"

struct CdtoolResult {
  int exitCode = -1;
  std::string out;
  std::string err;
};

class CdtoolRunner {
 public:
  explicit CdtoolRunner(ScopedRoot const& root) : m_root(root) {}

  // Arguments go through the shell as written: quote them there when they hold blanks.
  // `input` is what the tool reads on standard input.
  CdtoolResult Run(std::string const& arguments, std::string const& input = "") const {
    std::string const errFile = m_root.File("stderr.txt");
    std::string const inFile = m_root.File("stdin.txt");
    std::ofstream(inFile, std::ios::binary) << input;
    std::string const command = std::string("'") + CDTOOL_PATH + "' --root '" + m_root.Path() + "' " + arguments +
                                " <'" + inFile + "' 2>'" + errFile + "'";
    CdtoolResult result;
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
