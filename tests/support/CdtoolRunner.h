// Runs the cdtool program against a test's isolated root, capturing exit code, stdout and stderr.
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

inline std::string ReadWholeFile(std::string const& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// Arguments go through the shell as written: quote them there when they hold blanks.
inline CdtoolResult RunCdtool(ScopedRoot const& root, std::string const& arguments) {
  std::string const errFile = root.File("stderr.txt");
  std::string const command =
      std::string("'") + CDTOOL_PATH + "' --root '" + root.Path() + "' " + arguments + " 2>'" + errFile + "'";
  CdtoolResult result;
  FILE* pipe = popen(command.c_str(), "r");
  if (!pipe) return result;
  std::array<char, 4096> buffer;
  for (size_t n; (n = fread(buffer.data(), 1, buffer.size(), pipe)) > 0;) result.out.append(buffer.data(), n);
  int const status = pclose(pipe);
  result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  result.err = ReadWholeFile(errFile);
  return result;
}
