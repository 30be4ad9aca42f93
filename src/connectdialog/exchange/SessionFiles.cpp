#include "exchange/SessionFiles.h"

#include <algorithm>
#include <filesystem>

ImportBatch SessionFiles::ReadEach(std::string const& path, std::string const& extension, FileReader readOne) {
  ImportBatch batch;
  std::vector<std::string> files;
  if (!List(path, extension, files, batch.error)) return batch;
  for (std::string const& file : files) readOne(file, batch);
  return batch;
}

bool SessionFiles::List(std::string const& path, std::string const& extension, std::vector<std::string>& files,
                        std::string& error) {
  namespace fs = std::filesystem;
  std::error_code code;
  files.clear();
  if (!fs::is_directory(path, code)) {
    if (fs::exists(path, code)) {
      files.push_back(path);
      return true;
    }
    error = "no file or folder " + path;
    return false;
  }
  fs::directory_iterator entries(path, code);
  if (code) {
    error = "cannot list " + path + ": " + code.message();
    return false;
  }
  for (fs::directory_entry const& entry : entries) {
    std::string const name = entry.path().filename().string();
    if (name.starts_with(".") || !entry.is_regular_file(code)) continue;
    if (extension.empty() || entry.path().extension() == extension) files.push_back(entry.path().string());
  }
  std::ranges::sort(files);
  return true;
}
