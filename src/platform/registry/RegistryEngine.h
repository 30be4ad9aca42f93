// The process-wide side of the registry: the open hives (one per file) and the live handles,
// so that a stale or foreign handle is refused instead of followed.
#pragma once

#include <map>
#include <memory>
#include <string>
#include <unordered_set>

#include "platform/registry/KeyHandle.h"

class RegistryEngine {
 public:
  static RegistryEngine& Instance();

  // The key behind a predefined root or a live handle; null for anything else.
  HKEY__* Resolve(HKEY key);
  Hive& HiveAt(std::string const& path);
  HKEY NewHandle(Hive& hive, KeyId id, REGSAM access, size_t depth);
  long Close(HKEY key);
  long UnloadAll();

 private:
  std::map<std::string, std::unique_ptr<Hive>> m_hives;
  std::unordered_set<HKEY__*> m_handles;
  std::map<HKEY, std::unique_ptr<HKEY__>> m_roots;
};
