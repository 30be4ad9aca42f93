#include "platform/registry/RegistryEngine.h"

#include "platform/registry/HiveLocations.h"

RegistryEngine& RegistryEngine::Instance() {
  static RegistryEngine engine;
  return engine;
}

HKEY__* RegistryEngine::Resolve(HKEY key) {
  if (key == HKEY_CURRENT_USER || key == HKEY_LOCAL_MACHINE || key == HKEY_CLASSES_ROOT) {
    auto& root = m_roots[key];
    if (!root) {
      root = std::make_unique<HKEY__>();
      root->hive = &HiveAt(PredefinedHivePath(key));
      root->access = KEY_ALL_ACCESS;
    }
    return root.get();
  }
  return m_handles.count(key) ? key : nullptr;
}

Hive& RegistryEngine::HiveAt(std::string const& path) {
  auto& hive = m_hives[path];
  if (!hive) hive = std::make_unique<Hive>(path);
  return *hive;
}

HKEY RegistryEngine::NewHandle(Hive& hive, KeyId id, REGSAM access, size_t depth) {
  auto* handle = new HKEY__;
  handle->hive = &hive;
  handle->id = id;
  handle->access = access;
  handle->depth = depth;
  m_handles.insert(handle);
  return handle;
}

long RegistryEngine::Close(HKEY key) {
  if (m_roots.count(key)) return ERROR_SUCCESS;
  if (key == HKEY_CURRENT_USER || key == HKEY_LOCAL_MACHINE || key == HKEY_CLASSES_ROOT) return ERROR_SUCCESS;
  if (!m_handles.erase(key)) return ERROR_INVALID_HANDLE;
  delete key;
  return ERROR_SUCCESS;
}

long RegistryEngine::UnloadAll() {
  if (!m_handles.empty()) return ERROR_BUSY;
  for (auto const& entry : m_hives)
    if (entry.second->InWork()) return ERROR_BUSY;
  m_roots.clear();
  m_hives.clear();
  return ERROR_SUCCESS;
}
