// The files an importer reads from a folder of session files (or the one file it is given),
// in name order; hidden files and folders are passed over.
#pragma once

#include <string>
#include <vector>

struct SessionFiles {
  // False with `error` set when `path` is neither a file nor a folder that can be listed.
  static bool List(std::string const& path, std::string const& extension, std::vector<std::string>& files,
                   std::string& error);
};
