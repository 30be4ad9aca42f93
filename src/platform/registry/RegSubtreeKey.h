// One key of a subtree read at once (RegReadSubtree): where it hangs, its name, and the values
// that were asked for, in the order they were asked.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

struct RegSubtreeKey {
  // A value to read of every key, or with `keyName` only of the keys of that name.
  struct Wanted {
    std::string valueName;
    std::string keyName;
  };
  struct Value {
    bool found = false;
    unsigned long type = 0;
    std::string data;
  };

  static constexpr size_t kNoParent = static_cast<size_t>(-1);
  // The most values one read may ask of each key.
  static constexpr size_t kMostValues = 8;

  size_t parent = kNoParent;  // the index of the parent key in the same list; the first key has none
  std::string name;
  std::vector<Value> values;
};
