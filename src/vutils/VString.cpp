#include "VString.h"

#include <algorithm>
#include <cstring>
#include <ostream>

#include "platform/protect/SecureWipe.h"

VString::VString(char const* text) : VString(std::string_view(text ? text : "")) {}

VString::VString(char const* data, size_t length) { Append(data, length); }

VString::VString(std::string_view text) { Append(text.data(), text.size()); }

VString::VString(VString const& other) : m_sensitive(other.m_sensitive) { Append(other.c_str(), other.m_length); }

VString::VString(VString&& other) noexcept : m_sensitive(other.m_sensitive) { Steal(other); }

VString::~VString() { Release(); }

VString& VString::operator=(VString const& other) {
  if (this != &other) {
    m_sensitive = m_sensitive || other.m_sensitive;
    Empty();
    Append(other.c_str(), other.m_length);
  }
  return *this;
}

VString& VString::operator=(VString&& other) noexcept {
  if (this != &other) {
    m_sensitive = m_sensitive || other.m_sensitive;
    Release();
    Steal(other);
  }
  return *this;
}

void VString::Steal(VString& other) noexcept {
  if (other.IsInline()) {
    std::memcpy(m_inline, other.m_inline, sizeof m_inline);
    m_data = m_inline;
    if (other.m_sensitive) SecureWipe(other.m_inline, sizeof other.m_inline);
  } else {
    m_data = other.m_data;
  }
  m_length = other.m_length;
  m_capacity = other.m_capacity;
  other.m_data = nullptr;
  other.m_length = other.m_capacity = 0;
}

VString& VString::operator=(char const* text) { return *this = std::string_view(text ? text : ""); }

VString& VString::operator=(std::string_view text) {
  if (m_data && text.data() >= m_data && text.data() <= m_data + m_length) {
    VString copy(text);
    copy.m_sensitive = m_sensitive;
    return *this = std::move(copy);
  }
  Empty();
  return Append(text.data(), text.size());
}

void VString::Empty() {
  if (m_data) {
    if (m_sensitive) SecureWipe(m_data, m_capacity + 1);
    m_data[0] = '\0';
  }
  m_length = 0;
}

VString& VString::Append(char const* data, size_t length) {
  if (length == 0) return *this;
  if (m_length + length > m_capacity) {
    // Appending part of ourselves must survive the reallocation.
    if (m_data && data >= m_data && data < m_data + m_capacity + 1) {
      VString copy(data, length);
      return Append(copy.c_str(), length);
    }
    Reserve(std::max(m_length + length, m_capacity * 2));
  }
  std::memmove(m_data + m_length, data, length);
  m_length += length;
  m_data[m_length] = '\0';
  return *this;
}

char* VString::GetBuffer(size_t minLength) {
  if (minLength > m_capacity || !m_data) Reserve(std::max(minLength, m_capacity));
  return m_data;
}

void VString::SetLength(size_t length) {
  if (length > m_capacity || !m_data) Reserve(length);
  m_length = length;
  m_data[m_length] = '\0';
}

void VString::ReleaseBuffer() {
  if (m_data) m_length = strnlen(m_data, m_capacity);
}

void VString::Reserve(size_t capacity) {
  if (!m_data && capacity <= kInlineCapacity) {
    std::memset(m_inline, 0, sizeof m_inline);
    m_data = m_inline;
    m_capacity = kInlineCapacity;
    return;
  }
  capacity = std::max(capacity, kInlineCapacity * 2);
  char* fresh = new char[capacity + 1];
  if (m_data) std::memcpy(fresh, m_data, m_length);
  std::memset(fresh + m_length, 0, capacity + 1 - m_length);
  Release();
  m_data = fresh;
  m_capacity = capacity;
}

void VString::Release() {
  if (!m_data) return;
  if (m_sensitive) SecureWipe(m_data, m_capacity + 1);
  if (!IsInline()) delete[] m_data;
  m_data = nullptr;
  m_capacity = 0;
}

VString operator+(VString const& a, std::string_view b) {
  VString result(a);
  result.Append(b);
  return result;
}

VString operator+(VString const& a, char const* b) { return a + std::string_view(b ? b : ""); }
VString operator+(VString const& a, VString const& b) { return a + b.View(); }

std::ostream& operator<<(std::ostream& out, VString const& text) { return out << text.View(); }
