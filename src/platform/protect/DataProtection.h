// Protects a byte block for the current user, so that only this user on this machine can read
// it back. Protect and Unprotect never throw; a failure returns false with a one-line reason.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "platform/protect/SecretBytes.h"

class DataProtection {
 public:
  virtual ~DataProtection() = default;
  // Seals `size` bytes; `description` travels with the block and is authenticated with it.
  virtual bool Protect(void const* data, size_t size, char const* description, std::vector<unsigned char>& out,
                       std::string& error) = 0;
  // Opens a sealed block into `out`, which wipes itself.
  virtual bool Unprotect(void const* data, size_t size, SecretBytes& out, std::string& error) = 0;
};

// The process's protection service (the per-user key file one unless a test installed another).
DataProtection& GetDataProtection();
// Installs `service` (not owned) in place of the default; null restores the default.
void SetDataProtection(DataProtection* service);
