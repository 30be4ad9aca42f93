// The library's byte string (UTF-8 on this platform): length-counted, may hold zero bytes,
// and, once marked sensitive, overwrites every buffer it lets go of (passwords, user names).
// Short texts (most option values and names) live inside the object, without an allocation.
#pragma once

#include <cstddef>
#include <iosfwd>
#include <string>
#include <string_view>

class VString {
 public:
  VString() = default;
  VString(char const* text);  // NOLINT: implicit like the platform string it stands in for
  VString(char const* data, size_t length);
  VString(std::string_view text);  // NOLINT
  VString(std::string const& text) : VString(std::string_view(text)) {}  // NOLINT
  VString(VString const& other);
  VString(VString&& other) noexcept;
  ~VString();

  VString& operator=(VString const& other);
  VString& operator=(VString&& other) noexcept;
  VString& operator=(char const* text);
  VString& operator=(std::string_view text);

  // A sensitive string wipes its buffer whenever it frees or replaces it; the mark is kept
  // across assignments and copied to copies.
  void SetSensitive(bool sensitive = true) { m_sensitive = m_sensitive || sensitive; }
  bool IsSensitive() const { return m_sensitive; }

  char const* c_str() const { return m_data ? m_data : ""; }
  operator char const*() const { return c_str(); }  // NOLINT
  char const* data() const { return c_str(); }
  size_t Length() const { return m_length; }
  int GetLength() const { return static_cast<int>(m_length); }
  bool IsEmpty() const { return m_length == 0; }
  std::string_view View() const { return {c_str(), m_length}; }
  std::string Str() const { return std::string(View()); }
  char operator[](size_t i) const { return c_str()[i]; }

  void Empty();
  VString& Append(char const* data, size_t length);
  VString& Append(std::string_view text) { return Append(text.data(), text.size()); }
  VString& operator+=(std::string_view text) { return Append(text); }
  VString& operator+=(char const* text) { return Append(std::string_view(text ? text : "")); }
  VString& operator+=(VString const& text) { return Append(text.View()); }
  VString& operator+=(char c) { return Append(&c, 1); }

  // Gives a writable buffer of at least `minLength` bytes (plus a terminator) keeping the
  // contents; SetLength then fixes the length without touching the bytes. Together they let a
  // platform call fill the string in place.
  char* GetBuffer(size_t minLength);
  void SetLength(size_t length);
  // Sets the length to the position of the first zero byte.
  void ReleaseBuffer();

  int Compare(std::string_view other) const { return View().compare(other); }

 private:
  static constexpr size_t kInlineCapacity = 22;

  bool IsInline() const { return m_data == m_inline; }
  void Reserve(size_t capacity);
  void Release();
  // Takes `other`'s text and buffer, leaving it empty.
  void Steal(VString& other) noexcept;

  char* m_data = nullptr;
  size_t m_length = 0;
  size_t m_capacity = 0;
  bool m_sensitive = false;
  char m_inline[kInlineCapacity + 1] = {};
};

inline bool operator==(VString const& a, VString const& b) { return a.View() == b.View(); }
inline bool operator==(VString const& a, char const* b) { return a.View() == std::string_view(b ? b : ""); }
inline bool operator==(VString const& a, std::string_view b) { return a.View() == b; }
inline bool operator!=(VString const& a, VString const& b) { return !(a == b); }
inline bool operator!=(VString const& a, char const* b) { return !(a == b); }
inline bool operator<(VString const& a, VString const& b) { return a.View() < b.View(); }
VString operator+(VString const& a, std::string_view b);
VString operator+(VString const& a, char const* b);
VString operator+(VString const& a, VString const& b);
std::ostream& operator<<(std::ostream& out, VString const& text);
