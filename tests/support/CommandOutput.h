// What a shell command writes on its standard output, read to the end.
#pragma once

#include <cstdio>
#include <string>

inline std::string CommandOutput(std::string const& command) {
  std::string out;
  FILE* pipe = popen(command.c_str(), "r");
  if (!pipe) return out;
  for (char buffer[4096]; size_t n = fread(buffer, 1, sizeof buffer, pipe);) out.append(buffer, n);
  pclose(pipe);
  return out;
}
