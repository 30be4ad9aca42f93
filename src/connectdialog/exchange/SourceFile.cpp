#include "exchange/SourceFile.h"

#include <filesystem>
#include <fstream>
#include <sstream>

bool SourceFile::ReadLines(std::string const& path, std::vector<std::string>& lines, std::string& error) {
  std::error_code code;
  std::filesystem::file_status const status = std::filesystem::status(path, code);
  if (std::filesystem::is_directory(status)) {
    error = path + " is a folder, not a file";
    return false;
  }
  if (std::filesystem::exists(status) && !std::filesystem::is_regular_file(status)) {
    error = path + " is not a regular file";
    return false;
  }
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    error = "cannot read " + path;
    return false;
  }
  uintmax_t const size = std::filesystem::file_size(path, code);
  if (!code && size > kMaxBytes) {
    error = path + " is larger than 64 MiB";
    return false;
  }
  std::ostringstream whole;
  whole << in.rdbuf();
  if (in.bad()) {
    error = "cannot read " + path;
    return false;
  }
  std::string const text = whole.str();
  lines.clear();
  std::istringstream split(text);
  for (std::string line; std::getline(split, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(std::move(line));
  }
  return true;
}
