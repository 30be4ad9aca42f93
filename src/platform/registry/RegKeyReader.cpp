#include "platform/registry/RegKeyReader.h"

#include <algorithm>
#include <memory>

#include "platform/registry/Registry.h"

namespace {

using KeyHolder = std::unique_ptr<HKEY__, decltype(&RegCloseKey)>;

struct KeySizes {
  unsigned long subKeys = 0, maxSubKeyLength = 0, values = 0, maxValueNameLength = 0, maxValueLength = 0;
};

LSTATUS QuerySizes(HKEY key, KeySizes& sizes) {
  return RegQueryInfoKey(key, nullptr, nullptr, nullptr, &sizes.subKeys, &sizes.maxSubKeyLength, nullptr,
                         &sizes.values, &sizes.maxValueNameLength, &sizes.maxValueLength, nullptr, nullptr);
}

// Reads value `index`, growing the buffers when another writer made a value larger meanwhile.
LSTATUS EnumValue(HKEY key, unsigned long index, KeySizes const& sizes, RegFileOperation& value) {
  std::string name(sizes.maxValueNameLength + 1, '\0');
  std::string data(std::max(sizes.maxValueLength, 1ul), '\0');
  while (true) {
    unsigned long nameLength = name.size(), dataLength = data.size(), type = 0;
    LSTATUS const status = RegEnumValue(key, index, name.data(), &nameLength, nullptr, &type,
                                        reinterpret_cast<unsigned char*>(data.data()), &dataLength);
    if (status == ERROR_MORE_DATA) {
      name.resize(name.size() * 2);
      data.resize(std::max<std::size_t>(data.size() * 2, dataLength));
      continue;
    }
    if (status != ERROR_SUCCESS) return status;
    value.name.assign(name.data(), nameLength);
    value.data.assign(data.data(), dataLength);
    value.type = type;
    return ERROR_SUCCESS;
  }
}

}  // namespace

LSTATUS RegKeyReader::SubkeyNames(HKEY key, std::vector<std::string>& names) {
  KeySizes sizes;
  if (LSTATUS const status = QuerySizes(key, sizes); status != ERROR_SUCCESS) return status;
  std::vector<std::string> found;
  std::string buffer(std::max(sizes.maxSubKeyLength + 1, 256ul), '\0');
  for (unsigned long index = 0;; ++index) {
    unsigned long length = buffer.size();
    LSTATUS const status = RegEnumKeyEx(key, index, buffer.data(), &length, nullptr, nullptr, nullptr, nullptr);
    if (status == ERROR_NO_MORE_ITEMS) break;
    if (status != ERROR_SUCCESS) return status;
    found.emplace_back(buffer.data(), length);
  }
  names = std::move(found);
  return ERROR_SUCCESS;
}

LSTATUS RegKeyReader::Values(HKEY key, std::string const& path, std::vector<RegFileOperation>& values) {
  KeySizes sizes;
  if (LSTATUS const status = QuerySizes(key, sizes); status != ERROR_SUCCESS) return status;
  std::vector<RegFileOperation> found;
  for (unsigned long index = 0;; ++index) {
    RegFileOperation value;
    value.kind = RegFileOperation::Kind::SetValue;
    value.key = path;
    LSTATUS const status = EnumValue(key, index, sizes, value);
    if (status == ERROR_NO_MORE_ITEMS) break;
    if (status != ERROR_SUCCESS) return status;
    found.push_back(std::move(value));
  }
  values = std::move(found);
  return ERROR_SUCCESS;
}

LSTATUS RegKeyReader::QueryValue(HKEY key, std::string const& name, unsigned long& type, std::string& data) {
  unsigned long size = 0, kind = 0;
  char const* const valueName = name.empty() ? nullptr : name.c_str();
  while (true) {
    std::string buffer(std::max(size, 1ul), '\0');
    size = buffer.size();
    LSTATUS const status =
        RegQueryValueEx(key, valueName, nullptr, &kind, reinterpret_cast<unsigned char*>(buffer.data()), &size);
    if (status == ERROR_MORE_DATA) continue;
    if (status != ERROR_SUCCESS) return status;
    buffer.resize(size);
    type = kind;
    data = std::move(buffer);
    return ERROR_SUCCESS;
  }
}

LSTATUS RegKeyReader::Collect(HKEY key, std::string const& path, std::vector<RegFileOperation>& steps,
                              bool storeOrder) {
  // The walk keeps its own stack, one level per open key, instead of recursing.
  struct Level {
    KeyHolder key;
    std::string path;
    std::vector<std::string> subkeys;
    std::size_t next = 0;
  };
  std::size_t const depth = std::ranges::count(path, '\\');
  if (depth > kRegMaxKeyDepth) return ERROR_BADKEY;
  std::vector<RegFileOperation> collected;
  std::vector<Level> levels;
  levels.push_back(Level{KeyHolder(nullptr, &RegCloseKey), path, {}, 0});
  LSTATUS status = CollectKey(key, path, storeOrder, collected, levels.back().subkeys);
  while (status == ERROR_SUCCESS && !levels.empty()) {
    Level& top = levels.back();
    if (top.next == top.subkeys.size()) {
      levels.pop_back();
      continue;
    }
    if (depth + levels.size() > kRegMaxKeyDepth) return ERROR_BADKEY;
    std::string const& name = top.subkeys[top.next++];
    HKEY subkey = nullptr;
    status = RegOpenKeyEx(top.key ? top.key.get() : key, name.c_str(), 0, KEY_READ, &subkey);
    if (status != ERROR_SUCCESS) break;
    Level child{KeyHolder(subkey, &RegCloseKey), top.path + '\\' + name, {}, 0};
    status = CollectKey(subkey, child.path, storeOrder, collected, child.subkeys);
    levels.push_back(std::move(child));
  }
  if (status != ERROR_SUCCESS) return status;
  steps = std::move(collected);
  return ERROR_SUCCESS;
}

LSTATUS RegKeyReader::CollectKey(HKEY key, std::string const& path, bool storeOrder,
                                 std::vector<RegFileOperation>& steps, std::vector<std::string>& subkeys) {
  RegFileOperation create;
  create.key = path;
  steps.push_back(create);
  std::vector<RegFileOperation> values;
  if (LSTATUS const status = Values(key, path, values); status != ERROR_SUCCESS) return status;
  if (!storeOrder)
    std::stable_partition(values.begin(), values.end(), [](RegFileOperation const& v) { return v.name.empty(); });
  steps.insert(steps.end(), values.begin(), values.end());
  return SubkeyNames(key, subkeys);
}
