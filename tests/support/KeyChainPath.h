// "k\k\...\k": a key path `levels` keys deep below wherever it is opened, for the depth limits.
#pragma once

#include <cstddef>
#include <string>

inline std::string KeyChainPath(std::size_t levels) {
  std::string path = levels > 0 ? "k" : "";
  for (std::size_t level = 1; level < levels; ++level) path += "\\k";
  return path;
}
