// The UI framework's string as exported signatures name it: bytes in UTF-8, owned, compared
// byte for byte.
#pragma once

#include <string>
#include <string_view>

class CString {
 public:
  CString() = default;
  CString(char const* text) : m_text(text ? text : "") {}  // NOLINT: converts like the framework's
  CString(std::string text) : m_text(std::move(text)) {}   // NOLINT

  operator char const*() const { return m_text.c_str(); }  // NOLINT
  char const* c_str() const { return m_text.c_str(); }
  std::string const& Str() const { return m_text; }
  int GetLength() const { return static_cast<int>(m_text.size()); }
  bool IsEmpty() const { return m_text.empty(); }
  void Empty() { m_text.clear(); }

  CString& operator+=(std::string_view text) {
    m_text.append(text);
    return *this;
  }

  friend bool operator==(CString const& a, CString const& b) { return a.m_text == b.m_text; }
  friend bool operator==(CString const& a, char const* b) { return a.m_text == (b ? b : ""); }

 private:
  std::string m_text;
};
