// One key of an opened store; forwards every call to its private key. A key must not outlive
// the store whose root it was opened from. Without a store (no factory installed) every
// operation fails.
#pragma once

#include "VString.h"
#include "VStringArray.h"

class VProfileStore;
class VProfilePrivateKey;
class VProfileSubtree;

class VProfileKey {
 public:
  explicit VProfileKey(VProfileStore* store);
  VProfileKey(VProfileKey* parent, char const* name);
  virtual ~VProfileKey();
  VProfileKey(VProfileKey const&) = delete;
  VProfileKey& operator=(VProfileKey const&) = delete;

  bool GetMultiSz(char const* name, VStringArray& out);
  bool GetBinary(char const* name, void* data, unsigned long& size);
  bool GetSz(char const* name, VString& out);
  bool GetDword(char const* name, unsigned long& out);
  bool SetMultiSz(char const* name, VStringArray const& values);
  bool SetBinary(char const* name, void const* data, unsigned long length);
  bool SetSz(char const* name, char const* text);
  bool SetDword(char const* name, unsigned long value);
  bool DeleteValue(char const* name);
  bool DeleteKey(char const* name);
  bool KeyExists(char const* name);
  bool IsWritable();
  // This key and the keys up to `depth` levels below it with the values `out` asks for, in one
  // read where the store allows (see VProfilePrivateKey::ReadSubtree).
  bool ReadSubtree(unsigned long depth, VProfileSubtree& out);

  VProfilePrivateKey* PrivateKey() { return m_key; }

 private:
  VProfilePrivateKey* m_key = nullptr;
};
