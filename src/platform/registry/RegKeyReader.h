// Reads keys through the registry calls into plain values: subkey names, values, whole subtrees.
// Each call returns the first failing status and leaves its output unchanged on failure.
#pragma once

#include <string>
#include <vector>

#include "platform/registry/RegFileOperation.h"
#include "platform/types/WinTypes.h"

class RegKeyReader {
 public:
  static LSTATUS SubkeyNames(HKEY key, std::vector<std::string>& names);
  // One SetValue step per value of `key`, in enumeration order, each with `path` as its key.
  static LSTATUS Values(HKEY key, std::string const& path, std::vector<RegFileOperation>& values);
  static LSTATUS QueryValue(HKEY key, std::string const& name, unsigned long& type, std::string& data);
  // The subtree at `key` as export steps: a CreateKey for each key, then its values (with the
  // default value first unless `storeOrder`), then its subkeys, depth first. `path` is the name
  // written for `key`, its hive's name first; each of its backslashes counts one level. A key more
  // than kRegMaxKeyDepth levels deep (left in a hive by an older build) fails with ERROR_BADKEY,
  // so the walk stays bounded and never yields a file that the importer would refuse.
  static LSTATUS Collect(HKEY key, std::string const& path, std::vector<RegFileOperation>& steps,
                         bool storeOrder = false);

 private:
  static LSTATUS CollectKey(HKEY key, std::string const& path, bool storeOrder, std::vector<RegFileOperation>& steps,
                            std::vector<std::string>& subkeys);
};
