// The files an importer reads from a folder of session files (or the one file it is given),
// in name order; hidden files and folders are passed over.
#pragma once

#include <string>
#include <vector>

#include "exchange/ImportBatch.h"

struct SessionFiles {
  using FileReader = void (*)(std::string const& file, ImportBatch& batch);

  // Every file List gives, read by `readOne` into one batch; the batch's error when none can be listed.
  static ImportBatch ReadEach(std::string const& path, std::string const& extension, FileReader readOne);
  // False with `error` set when `path` is neither a file nor a folder that can be listed.
  static bool List(std::string const& path, std::string const& extension, std::vector<std::string>& files,
                   std::string& error);
};
