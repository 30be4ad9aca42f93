// The implementation side of one opened store.
#pragma once

class VProfilePrivateKey;

class VProfilePrivateStore {
 public:
  virtual ~VProfilePrivateStore() = default;
  // A new key for the store's root, owned by the caller, opened in the given mode.
  virtual VProfilePrivateKey* OpenRoot(bool readOnly) = 0;
};
