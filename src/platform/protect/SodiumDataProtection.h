// Per-user data protection with libsodium: XChaCha20-Poly1305 under the user's key file.
//
// A sealed block is: "BVP", version 1, the description's length (2 bytes, little-endian), the
// description, a random 24-byte nonce, then the ciphertext with its 16-byte tag. Everything
// before the ciphertext is the associated data, so altering any header byte, the description
// included, makes Unprotect fail. Keys and plaintexts are wiped after use.
#pragma once

#include <string>

#include "platform/protect/DataProtection.h"

class KeyFile;

class SodiumDataProtection : public DataProtection {
 public:
  // Uses KeyFile::DefaultFolder(), looked up afresh at every call.
  SodiumDataProtection() = default;
  // Keeps its key file in `keyFolder`.
  explicit SodiumDataProtection(std::string keyFolder) : m_keyFolder(std::move(keyFolder)) {}

  bool Protect(void const* data, size_t size, char const* description, std::vector<unsigned char>& out,
               std::string& error) override;
  bool Unprotect(void const* data, size_t size, SecretBytes& out, std::string& error) override;

 private:
  KeyFile CurrentKeyFile() const;

  std::string m_keyFolder;
};
