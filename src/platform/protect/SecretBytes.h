// A byte block that is wiped before its memory is freed: keys, plaintexts, decoded secrets.
#pragma once

#include <cstddef>
#include <vector>

#include "platform/protect/SecureWipe.h"

class SecretBytes {
 public:
  SecretBytes() = default;
  explicit SecretBytes(size_t size) : m_bytes(size) {}
  SecretBytes(SecretBytes const&) = delete;
  SecretBytes& operator=(SecretBytes const&) = delete;
  SecretBytes(SecretBytes&& other) noexcept = default;
  SecretBytes& operator=(SecretBytes&& other) noexcept {
    Wipe();
    m_bytes = std::move(other.m_bytes);
    return *this;
  }
  ~SecretBytes() { Wipe(); }

  // Resizing never reallocates behind our back: it moves to a fresh block and wipes the old one.
  void Resize(size_t size) {
    if (size <= m_bytes.capacity()) {
      if (size < m_bytes.size()) SecureWipe(m_bytes.data() + size, m_bytes.size() - size);
      m_bytes.resize(size);
      return;
    }
    std::vector<unsigned char> fresh(size);
    if (!m_bytes.empty()) std::copy(m_bytes.begin(), m_bytes.end(), fresh.begin());
    Wipe();
    m_bytes = std::move(fresh);
  }
  unsigned char* Data() { return m_bytes.data(); }
  unsigned char const* Data() const { return m_bytes.data(); }
  size_t Size() const { return m_bytes.size(); }

 private:
  void Wipe() {
    if (!m_bytes.empty()) SecureWipe(m_bytes.data(), m_bytes.size());
    m_bytes.clear();
  }
  std::vector<unsigned char> m_bytes;
};
