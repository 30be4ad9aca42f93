#include "platform/protect/SodiumDataProtection.h"

#include <sodium.h>

#include <cstring>

#include "platform/protect/KeyFile.h"

namespace {

constexpr unsigned char kMagic[3] = {'B', 'V', 'P'};
constexpr unsigned char kVersion = 1;
constexpr size_t kFixedHeader = sizeof kMagic + 1 + 2;
constexpr size_t kNonceSize = crypto_aead_xchacha20poly1305_ietf_NPUBBYTES;
constexpr size_t kTagSize = crypto_aead_xchacha20poly1305_ietf_ABYTES;

bool Ready(std::string& error) {
  if (sodium_init() >= 0) return true;
  error = "the cryptography library could not be initialised";
  return false;
}

}  // namespace

KeyFile SodiumDataProtection::CurrentKeyFile() const {
  return KeyFile(m_keyFolder.empty() ? KeyFile::DefaultFolder() : m_keyFolder);
}

bool SodiumDataProtection::Protect(void const* data, size_t size, char const* description,
                                   std::vector<unsigned char>& out, std::string& error) {
  if (!Ready(error)) return false;
  size_t descriptionLength = description ? std::strlen(description) : 0;
  if (descriptionLength > 0xFFFF) {
    error = "the description of the protected block is too long";
    return false;
  }
  SecretBytes key;
  if (!CurrentKeyFile().Read(key, true, error)) return false;

  size_t headerSize = kFixedHeader + descriptionLength + kNonceSize;
  std::vector<unsigned char> sealed(headerSize + size + kTagSize);
  std::memcpy(sealed.data(), kMagic, sizeof kMagic);
  sealed[3] = kVersion;
  sealed[4] = static_cast<unsigned char>(descriptionLength & 0xFF);
  sealed[5] = static_cast<unsigned char>(descriptionLength >> 8);
  if (descriptionLength > 0) std::memcpy(sealed.data() + kFixedHeader, description, descriptionLength);
  unsigned char* nonce = sealed.data() + kFixedHeader + descriptionLength;
  randombytes_buf(nonce, kNonceSize);

  unsigned long long sealedLength = 0;
  crypto_aead_xchacha20poly1305_ietf_encrypt(sealed.data() + headerSize, &sealedLength,
                                             static_cast<unsigned char const*>(data), size, sealed.data(),
                                             headerSize, nullptr, nonce, key.Data());
  sealed.resize(headerSize + sealedLength);
  out = std::move(sealed);
  return true;
}

bool SodiumDataProtection::Unprotect(void const* data, size_t size, SecretBytes& out, std::string& error) {
  if (!Ready(error)) return false;
  auto const* bytes = static_cast<unsigned char const*>(data);
  if (size < kFixedHeader || std::memcmp(bytes, kMagic, sizeof kMagic) != 0) {
    error = "the data is not a protected block";
    return false;
  }
  if (bytes[3] != kVersion) {
    error = "the protected block has an unknown format version " + std::to_string(bytes[3]);
    return false;
  }
  size_t descriptionLength = bytes[4] | (static_cast<size_t>(bytes[5]) << 8);
  size_t headerSize = kFixedHeader + descriptionLength + kNonceSize;
  if (size < headerSize + kTagSize) {
    error = "the protected block is truncated";
    return false;
  }
  SecretBytes key;
  if (!CurrentKeyFile().Read(key, false, error)) return false;

  // One spare byte so that an empty plaintext still has a buffer to point at.
  SecretBytes plain(size - headerSize - kTagSize + 1);
  unsigned long long plainLength = 0;
  if (crypto_aead_xchacha20poly1305_ietf_decrypt(plain.Data(), &plainLength, nullptr, bytes + headerSize,
                                                 size - headerSize, bytes, headerSize,
                                                 bytes + headerSize - kNonceSize, key.Data()) != 0) {
    error = "the protected block was sealed with another key or has been altered";
    return false;
  }
  plain.Resize(plainLength);
  out = std::move(plain);
  return true;
}
