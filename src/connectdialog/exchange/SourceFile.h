// Reads another tool's text file whole, as lines without their line ends, for the importers.
#pragma once

#include <string>
#include <vector>

struct SourceFile {
  // Files larger than this are refused: no tool writes session files that big.
  static constexpr size_t kMaxBytes = 64u << 20;

  // False with `error` set ("cannot read FILE", "FILE is a folder, not a file", a device or pipe, over 64 MiB).
  static bool ReadLines(std::string const& path, std::vector<std::string>& lines, std::string& error);
};
