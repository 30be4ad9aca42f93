#include "platform/files/PathGlob.h"

#include <glob.h>

std::vector<std::string> ExpandPathGlob(std::string const& pattern) {
  glob_t found{};
  std::vector<std::string> paths;
  if (glob(pattern.c_str(), 0, nullptr, &found) == 0)
    for (size_t i = 0; i < found.gl_pathc; ++i) paths.emplace_back(found.gl_pathv[i]);
  globfree(&found);
  return paths;
}
