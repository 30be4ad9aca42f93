// The key contract every store implementation keeps: four value kinds with kind-strict reads,
// multi-level backslash paths, creation on a writable open, read-only mode, recursive deletion
// and name enumeration. Names match without regard to case and keep their first spelling.
#pragma once

#include "VString.h"
#include "VStringArray.h"

class VProfilePrivateKeyIterator;
class VProfileSubtree;

class VProfilePrivateKey {
 public:
  virtual ~VProfilePrivateKey() = default;
  // Empties `out` first, also when the read fails.
  virtual bool GetMultiSz(char const* name, VStringArray& out) = 0;
  // size: in, the capacity of `data`; out, the stored length (also when a longer value fails).
  virtual bool GetBinary(char const* name, void* data, unsigned long& size) = 0;
  virtual bool GetSz(char const* name, VString& out) = 0;
  virtual bool GetDword(char const* name, unsigned long& out) = 0;
  virtual bool SetMultiSz(char const* name, VStringArray const& values) = 0;
  virtual bool SetBinary(char const* name, void const* data, unsigned long length) = 0;
  virtual bool SetSz(char const* name, char const* text) = 0;
  virtual bool SetDword(char const* name, unsigned long value) = 0;
  virtual bool DeleteValue(char const* name) = 0;
  // Removes the subkey and everything below it.
  virtual bool DeleteKey(char const* name) = 0;
  // Never creates anything.
  virtual bool KeyExists(char const* name) = 0;
  virtual bool IsWritable() = 0;
  // A new key below this one in this key's mode, owned by the caller; in writable mode a
  // missing key is created. A key that cannot be opened fails every later operation.
  virtual VProfilePrivateKey* OpenKey(char const* name) = 0;
  // A new iterator over the value names (true) or the subkey names (false), owned by the caller.
  virtual VProfilePrivateKeyIterator* CreateIterator(bool values) = 0;
  // Fills `out` with this key (node 0, unnamed) and the keys up to `depth` levels below it with
  // the values `out` asks for; false when the store could not read them. Key by key here; a
  // store that can read a whole subtree at once does so.
  virtual bool ReadSubtree(unsigned long depth, VProfileSubtree& out);
};
