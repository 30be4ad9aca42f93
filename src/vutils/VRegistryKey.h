// A profile key kept in the registry. Opening in writable mode creates the key (and any missing
// levels); a key that could not be opened has an empty handle and fails every operation.
#pragma once

#include "VProfilePrivateKey.h"
#include "VProfilePrivateKeyIterator.h"
#include "platform/types/WinTypes.h"

class VRegistryKey : public VProfilePrivateKey {
 public:
  // Walks subkey or value names from index 0 upwards.
  class Iterator : public VProfilePrivateKeyIterator {
   public:
    Iterator(HKEY key, bool values) : m_key(key), m_values(values) {}
    bool Next(VString& name) override;

   private:
    HKEY m_key;  // borrowed from the key
    bool m_values;
    int m_index = 0;
  };

  VRegistryKey(HKEY parent, char const* name, bool readOnly);
  ~VRegistryKey() override;

  bool GetMultiSz(char const* name, VStringArray& out) override;
  bool GetBinary(char const* name, void* data, unsigned long& size) override;
  bool GetSz(char const* name, VString& out) override;
  bool GetDword(char const* name, unsigned long& out) override;
  bool SetMultiSz(char const* name, VStringArray const& values) override;
  bool SetBinary(char const* name, void const* data, unsigned long length) override;
  bool SetSz(char const* name, char const* text) override;
  bool SetDword(char const* name, unsigned long value) override;
  bool DeleteValue(char const* name) override;
  bool DeleteKey(char const* name) override;
  bool KeyExists(char const* name) override;
  bool IsWritable() override { return !m_readOnly; }
  VProfilePrivateKey* OpenKey(char const* name) override;
  VProfilePrivateKeyIterator* CreateIterator(bool values) override;
  bool ReadSubtree(unsigned long depth, VProfileSubtree& out) override;

  HKEY Handle() const { return m_key; }

 private:
  bool SetValue(char const* name, unsigned long type, void const* data, unsigned long length);
  bool ReadValue(char const* name, unsigned long type, VString& data);

  HKEY m_key = nullptr;
  bool m_readOnly;
};
