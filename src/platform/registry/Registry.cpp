#include "platform/registry/Registry.h"

#include <unistd.h>

#include <cstring>
#include <filesystem>
#include <string_view>
#include <vector>

#include "platform/registry/NameFolding.h"
#include "platform/registry/RegistryEngine.h"

namespace {

constexpr size_t kMaxKeyNameLength = 255;
constexpr size_t kMaxValueNameLength = 16383;

// Groups the statements of one call into one transaction; never dooms an enclosing unit,
// since a refused call (a key that still has subkeys) has written nothing.
class CallScope {
 public:
  explicit CallScope(Hive& hive) : m_hive(hive) { m_hive.BeginWork(true); }
  ~CallScope() { m_hive.EndWork(true); }
  CallScope(CallScope const&) = delete;
  CallScope& operator=(CallScope const&) = delete;

 private:
  Hive& m_hive;
};

long SplitPath(char const* subKey, std::vector<std::string_view>& parts) {
  parts.clear();
  std::string_view rest(subKey ? subKey : "");
  while (!rest.empty()) {
    size_t const slash = rest.find('\\');
    std::string_view const part = rest.substr(0, slash);
    if (part.empty() || part.size() > kMaxKeyNameLength) return ERROR_INVALID_PARAMETER;
    parts.push_back(part);
    rest = slash == std::string_view::npos ? std::string_view() : rest.substr(slash + 1);
    if (slash != std::string_view::npos && rest.empty()) return ERROR_INVALID_PARAMETER;
  }
  return ERROR_SUCCESS;
}

long ValueName(char const* name, std::string_view& out) {
  out = name ? std::string_view(name) : std::string_view();
  return out.size() > kMaxValueNameLength ? ERROR_INVALID_PARAMETER : ERROR_SUCCESS;
}

// Walks existing keys along `parts`; `found` tells how many levels exist.
long FindPath(HKEY__& from, std::vector<std::string_view> const& parts, KeyId& id, size_t& found) {
  id = from.id;
  for (found = 0; found < parts.size(); ++found) {
    KeyId next = 0;
    long const rc = from.hive->FindKey(id, FoldName(parts[found]), next);
    if (rc != ERROR_SUCCESS) return rc;
    id = next;
  }
  return ERROR_SUCCESS;
}

// `levels` tells how many levels the path goes down.
long OpenPath(HKEY__& from, char const* subKey, KeyId& id, size_t& levels) {
  std::vector<std::string_view> parts;
  if (long const rc = SplitPath(subKey, parts); rc != ERROR_SUCCESS) return rc;
  levels = parts.size();
  size_t found = 0;
  return FindPath(from, parts, id, found);
}

long OpenPath(HKEY__& from, char const* subKey, KeyId& id) {
  size_t levels = 0;
  return OpenPath(from, subKey, id, levels);
}

// The names the handle enumerates, reloaded only when the hive changed since the last look.
long CachedNames(HKEY__& key, bool values, std::vector<std::string> const*& names) {
  NameCache& cache = values ? key.values : key.subkeys;
  auto const version = key.hive->Version();
  if (!cache.valid || cache.version != version) {
    long const rc = values ? key.hive->ValueNames(key.id, cache.names) : key.hive->SubkeyNames(key.id, cache.names);
    if (rc != ERROR_SUCCESS) {
      cache.valid = false;
      return rc;
    }
    cache.valid = true;
    cache.version = version;
  }
  names = &cache.names;
  return ERROR_SUCCESS;
}

// Keeps a fresh subkey list fresh across a deletion made through the same handle, so that
// deleting many subkeys from the last index down stays linear.
void ForgetSubkey(HKEY__& key, std::string_view name, std::pair<uint64_t, int64_t> before) {
  NameCache& cache = key.subkeys;
  if (!cache.valid || cache.version != before) return;
  std::string const folded = FoldName(name);
  for (auto it = cache.names.begin(); it != cache.names.end(); ++it) {
    if (FoldName(*it) == folded) {
      cache.names.erase(it);
      cache.version = key.hive->Version();
      return;
    }
  }
}

HKEY__* Resolve(HKEY key) { return RegistryEngine::Instance().Resolve(key); }

void SetEmpty(char* text, unsigned long* length) {
  if (text && length && *length > 0) text[0] = '\0';
  if (length) *length = 0;
}

}  // namespace

LSTATUS RegOpenKeyEx(HKEY key, char const* subKey, unsigned long, REGSAM access, HKEY* result) {
  if (!result) return ERROR_INVALID_PARAMETER;
  *result = nullptr;
  HKEY__* from = Resolve(key);
  if (!from) return ERROR_INVALID_HANDLE;
  KeyId id = 0;
  size_t levels = 0;
  if (long const rc = OpenPath(*from, subKey, id, levels); rc != ERROR_SUCCESS) return rc;
  *result = RegistryEngine::Instance().NewHandle(*from->hive, id, access, from->depth + levels);
  return ERROR_SUCCESS;
}

LSTATUS RegCreateKeyEx(HKEY key, char const* subKey, unsigned long, char*, unsigned long, REGSAM access, void const*,
                       HKEY* result, unsigned long* disposition) {
  if (!result) return ERROR_INVALID_PARAMETER;
  *result = nullptr;
  HKEY__* from = Resolve(key);
  if (!from) return ERROR_INVALID_HANDLE;
  std::vector<std::string_view> parts;
  if (long const rc = SplitPath(subKey, parts); rc != ERROR_SUCCESS) return rc;
  KeyId id = 0;
  size_t found = 0;
  long rc = FindPath(*from, parts, id, found);
  if (rc != ERROR_SUCCESS && rc != ERROR_FILE_NOT_FOUND) return rc;
  bool created = false;
  size_t const depth = from->depth + parts.size();
  if (found < parts.size()) {
    if (!(from->access & KEY_CREATE_SUB_KEY)) return ERROR_ACCESS_DENIED;
    if (depth > kRegMaxKeyDepth) return ERROR_BADKEY;
    CallScope scope(*from->hive);
    for (; found < parts.size(); ++found) {
      rc = from->hive->CreateKey(id, parts[found], FoldName(parts[found]), id, created);
      if (rc != ERROR_SUCCESS) return rc;
    }
  }
  if (disposition) *disposition = created ? REG_CREATED_NEW_KEY : REG_OPENED_EXISTING_KEY;
  *result = RegistryEngine::Instance().NewHandle(*from->hive, id, access, depth);
  return ERROR_SUCCESS;
}

LSTATUS RegCloseKey(HKEY key) { return RegistryEngine::Instance().Close(key); }

LSTATUS RegQueryValueEx(HKEY key, char const* name, unsigned long*, unsigned long* type, unsigned char* data,
                        unsigned long* size) {
  HKEY__* handle = Resolve(key);
  if (!handle) return ERROR_INVALID_HANDLE;
  if (!(handle->access & KEY_QUERY_VALUE)) return ERROR_ACCESS_DENIED;
  if (data && !size) return ERROR_INVALID_PARAMETER;
  std::string_view valueName;
  if (long const rc = ValueName(name, valueName); rc != ERROR_SUCCESS) return rc;
  unsigned long storedType = 0;
  std::string_view bytes;
  // Every option of a record loaded is one call here: its folded name reuses one buffer.
  thread_local std::string folded;
  if (long const rc = handle->hive->QueryValue(handle->id, FoldName(valueName, folded), storedType, bytes);
      rc != ERROR_SUCCESS)
    return rc;
  if (type) *type = storedType;
  unsigned long const length = static_cast<unsigned long>(bytes.size());
  if (data && *size < length) {
    *size = length;
    return ERROR_MORE_DATA;
  }
  if (data && length) std::memcpy(data, bytes.data(), length);
  if (size) *size = length;
  return ERROR_SUCCESS;
}

LSTATUS RegSetValueEx(HKEY key, char const* name, unsigned long, unsigned long type, unsigned char const* data,
                      unsigned long size) {
  HKEY__* handle = Resolve(key);
  if (!handle) return ERROR_INVALID_HANDLE;
  if (!(handle->access & KEY_SET_VALUE)) return ERROR_ACCESS_DENIED;
  if (!data && size) return ERROR_INVALID_PARAMETER;
  std::string_view valueName;
  if (long const rc = ValueName(name, valueName); rc != ERROR_SUCCESS) return rc;
  return handle->hive->SetValue(handle->id, valueName, FoldName(valueName), type, data, size);
}

LSTATUS RegDeleteValue(HKEY key, char const* name) {
  HKEY__* handle = Resolve(key);
  if (!handle) return ERROR_INVALID_HANDLE;
  if (!(handle->access & KEY_SET_VALUE)) return ERROR_ACCESS_DENIED;
  std::string_view valueName;
  if (long const rc = ValueName(name, valueName); rc != ERROR_SUCCESS) return rc;
  return handle->hive->DeleteValue(handle->id, FoldName(valueName));
}

LSTATUS RegDeleteKey(HKEY key, char const* subKey) {
  HKEY__* handle = Resolve(key);
  if (!handle) return ERROR_INVALID_HANDLE;
  if (!subKey || !*subKey) return ERROR_INVALID_PARAMETER;
  CallScope scope(*handle->hive);
  KeyId id = 0;
  if (long const rc = OpenPath(*handle, subKey, id); rc != ERROR_SUCCESS) return rc;
  auto const before = handle->hive->Version();
  long const rc = handle->hive->DeleteKey(id, false);
  if (rc == ERROR_SUCCESS) ForgetSubkey(*handle, subKey, before);
  return rc;
}

LSTATUS RegDeleteTree(HKEY key, char const* subKey) {
  HKEY__* handle = Resolve(key);
  if (!handle) return ERROR_INVALID_HANDLE;
  CallScope scope(*handle->hive);
  KeyId id = 0;
  if (long const rc = OpenPath(*handle, subKey, id); rc != ERROR_SUCCESS) return rc;
  if (!subKey || !*subKey) return handle->hive->EmptyKey(id);
  return handle->hive->DeleteKey(id, true);
}

LSTATUS RegEnumKeyEx(HKEY key, unsigned long index, char* name, unsigned long* nameLength, unsigned long*,
                     char* keyClass, unsigned long* classLength, void*) {
  HKEY__* handle = Resolve(key);
  if (!handle) return ERROR_INVALID_HANDLE;
  if (!(handle->access & KEY_ENUMERATE_SUB_KEYS)) return ERROR_ACCESS_DENIED;
  if (!name || !nameLength) return ERROR_INVALID_PARAMETER;
  std::vector<std::string> const* names = nullptr;
  if (long const rc = CachedNames(*handle, false, names); rc != ERROR_SUCCESS) return rc;
  if (index >= names->size()) return ERROR_NO_MORE_ITEMS;
  std::string const& found = (*names)[index];
  if (*nameLength <= found.size()) return ERROR_MORE_DATA;
  std::memcpy(name, found.c_str(), found.size() + 1);
  *nameLength = static_cast<unsigned long>(found.size());
  SetEmpty(keyClass, classLength);
  return ERROR_SUCCESS;
}

LSTATUS RegEnumValue(HKEY key, unsigned long index, char* name, unsigned long* nameLength, unsigned long* reserved,
                     unsigned long* type, unsigned char* data, unsigned long* dataLength) {
  HKEY__* handle = Resolve(key);
  if (!handle) return ERROR_INVALID_HANDLE;
  if (!(handle->access & KEY_QUERY_VALUE)) return ERROR_ACCESS_DENIED;
  if (!name || !nameLength) return ERROR_INVALID_PARAMETER;
  std::vector<std::string> const* names = nullptr;
  if (long const rc = CachedNames(*handle, true, names); rc != ERROR_SUCCESS) return rc;
  if (index >= names->size()) return ERROR_NO_MORE_ITEMS;
  std::string const found = (*names)[index];
  if (*nameLength <= found.size()) return ERROR_MORE_DATA;
  if (type || data || dataLength) {
    long const rc = RegQueryValueEx(key, found.c_str(), reserved, type, data, dataLength);
    if (rc != ERROR_SUCCESS && rc != ERROR_MORE_DATA) return rc;
    std::memcpy(name, found.c_str(), found.size() + 1);
    *nameLength = static_cast<unsigned long>(found.size());
    return rc;
  }
  std::memcpy(name, found.c_str(), found.size() + 1);
  *nameLength = static_cast<unsigned long>(found.size());
  return ERROR_SUCCESS;
}

LSTATUS RegQueryInfoKey(HKEY key, char* keyClass, unsigned long* classLength, unsigned long*, unsigned long* subKeys,
                        unsigned long* maxSubKeyLength, unsigned long* maxClassLength, unsigned long* values,
                        unsigned long* maxValueNameLength, unsigned long* maxValueLength, unsigned long* securityDescriptor,
                        void*) {
  HKEY__* handle = Resolve(key);
  if (!handle) return ERROR_INVALID_HANDLE;
  std::vector<std::string> const* subkeyNames = nullptr;
  std::vector<std::string> const* valueNames = nullptr;
  if (long const rc = CachedNames(*handle, false, subkeyNames); rc != ERROR_SUCCESS) return rc;
  if (long const rc = CachedNames(*handle, true, valueNames); rc != ERROR_SUCCESS) return rc;
  auto longest = [](std::vector<std::string> const& names) {
    size_t most = 0;
    for (auto const& name : names) most = std::max(most, name.size());
    return static_cast<unsigned long>(most);
  };
  SetEmpty(keyClass, classLength);
  if (subKeys) *subKeys = static_cast<unsigned long>(subkeyNames->size());
  if (maxSubKeyLength) *maxSubKeyLength = longest(*subkeyNames);
  if (maxClassLength) *maxClassLength = 0;
  if (values) *values = static_cast<unsigned long>(valueNames->size());
  if (maxValueNameLength) *maxValueNameLength = longest(*valueNames);
  if (securityDescriptor) *securityDescriptor = 0;
  if (maxValueLength) return handle->hive->MaxValueSize(handle->id, *maxValueLength);
  return ERROR_SUCCESS;
}

LSTATUS RegReadSubtree(HKEY key, unsigned long depth, std::vector<RegSubtreeKey::Wanted> const& values,
                       std::vector<RegSubtreeKey>& keys) {
  keys.clear();
  HKEY__* handle = Resolve(key);
  if (!handle) return ERROR_INVALID_HANDLE;
  if ((handle->access & (KEY_QUERY_VALUE | KEY_ENUMERATE_SUB_KEYS)) != (KEY_QUERY_VALUE | KEY_ENUMERATE_SUB_KEYS))
    return ERROR_ACCESS_DENIED;
  if (values.size() > Hive::kSubtreeValues) return ERROR_INVALID_PARAMETER;
  std::vector<RegSubtreeKey::Wanted> folded;
  for (RegSubtreeKey::Wanted const& value : values) {
    if (value.valueName.size() > kMaxValueNameLength || value.keyName.size() > kMaxKeyNameLength)
      return ERROR_INVALID_PARAMETER;
    folded.push_back({FoldName(value.valueName), value.keyName.empty() ? std::string() : FoldName(value.keyName)});
  }
  long const rc = handle->hive->ReadSubtree(handle->id, depth, folded, keys);
  for (RegSubtreeKey& read : keys) read.values.resize(values.size());
  return rc;
}

LSTATUS RegOpenHiveFile(char const* path, HKEY* root) {
  if (!root) return ERROR_INVALID_PARAMETER;
  *root = nullptr;
  if (!path || !*path) return ERROR_INVALID_PARAMETER;
  std::error_code error;
  auto const absolute = std::filesystem::weakly_canonical(std::filesystem::absolute(path, error), error);
  if (error) return ERROR_INVALID_PARAMETER;
  auto& engine = RegistryEngine::Instance();
  *root = engine.NewHandle(engine.HiveAt(absolute.string()), kRootKeyId, KEY_ALL_ACCESS, 0);
  return ERROR_SUCCESS;
}

LSTATUS RegBeginUnitOfWork(HKEY key, bool write) {
  HKEY__* handle = Resolve(key);
  return handle ? handle->hive->BeginWork(write) : ERROR_INVALID_HANDLE;
}

LSTATUS RegEndUnitOfWork(HKEY key, bool commit) {
  HKEY__* handle = Resolve(key);
  return handle ? handle->hive->EndWork(commit) : ERROR_INVALID_HANDLE;
}

LSTATUS RegUnitOfWorkStatus(HKEY key) {
  HKEY__* handle = Resolve(key);
  return handle ? handle->hive->UnitFailure() : ERROR_INVALID_HANDLE;
}

std::string RegHivePath(HKEY key) {
  HKEY__* handle = Resolve(key);
  return handle ? handle->hive->Path() : std::string();
}

LSTATUS RegUnloadHives() { return RegistryEngine::Instance().UnloadAll(); }
