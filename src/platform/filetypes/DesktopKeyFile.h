// A desktop key file (.desktop files, mimeapps.list, mimeinfo.cache): [Group] headers and
// Key=Value lines. Comments and blank lines are skipped; a key repeated within a group keeps
// its first value; localised keys (Name[de]) are kept under their full spelling.
#pragma once

#include <map>
#include <string>
#include <string_view>

class DesktopKeyFile {
 public:
  DesktopKeyFile() = default;
  explicit DesktopKeyFile(std::string_view text);

  // Reads the file at `path`; an unreadable file gives an empty key file.
  static DesktopKeyFile Load(std::string const& path);

  // The value of `key` in `group`; empty when either is missing.
  std::string Value(std::string const& group, std::string const& key) const;

 private:
  std::map<std::string, std::map<std::string, std::string>> m_groups;
};
