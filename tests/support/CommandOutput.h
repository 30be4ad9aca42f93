// What a shell command writes on its standard output, read to the end; its exit code (-1 when it
// did not exit) into `exitCode` when asked.
#pragma once

#include <sys/wait.h>

#include <cstdio>
#include <string>

inline std::string CommandOutput(std::string const& command, int* exitCode = nullptr) {
  std::string out;
  FILE* pipe = popen(command.c_str(), "r");
  if (!pipe) return out;
  for (char buffer[4096]; size_t n = fread(buffer, 1, sizeof buffer, pipe);) out.append(buffer, n);
  int const status = pclose(pipe);
  if (exitCode) *exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return out;
}
