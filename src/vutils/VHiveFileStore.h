// A store over a hive file anywhere (a configuration folder's config.db). The file is opened
// as its own root when the store is made and closed after the store's unit of work has ended;
// the file and its folders are created on the first write. A file that cannot be opened gives
// a store whose every key operation fails, so records fall back to their defaults.
#pragma once

#include <memory>
#include <string>

#include "VProfilePrivateStore.h"
#include "platform/types/WinTypes.h"

class VRegistryStore;

class VHiveFileStore : public VProfilePrivateStore {
 public:
  explicit VHiveFileStore(std::string const& path);
  ~VHiveFileStore() override;
  VHiveFileStore(VHiveFileStore const&) = delete;
  VHiveFileStore& operator=(VHiveFileStore const&) = delete;

  VProfilePrivateKey* OpenRoot(bool readOnly) override;
  bool CanCommit() override;
  bool EndWork(bool commit) override;
  long Status() override;
  std::string Location() override { return m_path; }

 private:
  std::string m_path;
  HKEY m_root = nullptr;
  std::unique_ptr<VRegistryStore> m_store;
};
