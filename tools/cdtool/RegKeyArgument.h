// A KEY argument of `cdtool reg`: a hive name (HKEY_CURRENT_USER, HKCU, HKEY_LOCAL_MACHINE, HKLM,
// HKEY_CLASSES_ROOT, HKCR) or FILE:path (a hive file anywhere), then an optional backslash path.
// Owns the root handle of a hive file and closes it.
#pragma once

#include <string>

#include "platform/types/WinTypes.h"

class RegKeyArgument {
 public:
  RegKeyArgument() = default;
  ~RegKeyArgument();
  RegKeyArgument(RegKeyArgument const&) = delete;
  RegKeyArgument& operator=(RegKeyArgument const&) = delete;

  // Returns false with Error() set when the hive is unknown or the path has an empty part.
  bool Resolve(std::string const& text);
  // Opens the key for reading, or creates it for writing; null with Error() set on failure.
  HKEY Open(REGSAM access = KEY_READ);
  HKEY Create();

  HKEY Root() const { return m_root; }
  std::string const& SubKey() const { return m_subKey; }
  std::string const& Text() const { return m_text; }
  // Full path with the hive's long name, or FILE:path for a hive file.
  std::string Path() const;
  // The path as an export file names it; a hive file's keys appear under HKEY_CURRENT_USER.
  std::string ExportPath() const;
  std::string const& Error() const { return m_error; }

 private:
  bool ResolveRoot(std::string const& rootText);
  static std::string Join(std::string const& root, std::string const& subKey);

  std::string m_text;
  HKEY m_root = nullptr;
  bool m_ownsRoot = false;
  std::string m_rootName;
  std::string m_subKey;
  std::string m_error;
};
