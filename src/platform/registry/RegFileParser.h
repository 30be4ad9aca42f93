// Reads a registry export file ("REGEDIT4" or "Windows Registry Editor Version 5.00", as UTF-16LE
// with a byte order mark or as 8-bit text) into the list of steps it describes.
//
// Pure: touches no registry. All or nothing: on the first malformed construct Parse returns false,
// leaves no operations, and ErrorText() names the 1-based line and the reason in plain words.
// Strings come out as UTF-8 bytes; in version 5 files the text kinds given in hex (hex(1), hex(2),
// hex(7)) are UTF-16LE and are converted to UTF-8 as well. REG_SZ data keeps its terminating NUL.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "platform/registry/RegFileFormat.h"
#include "platform/registry/RegFileOperation.h"

class RegFileParser {
 public:
  bool Parse(std::string_view bytes);

  std::vector<RegFileOperation> const& Operations() const { return m_operations; }
  RegFileFormat Format() const { return m_format; }
  int ErrorLine() const { return m_errorLine; }
  std::string const& ErrorReason() const { return m_errorReason; }
  std::string ErrorText() const;  // "line 12: dword value needs 1 to 8 hex digits"

 private:
  bool Decode(std::string_view bytes);
  void SplitLines();
  bool ParseHeader();
  bool ParseLine(std::string_view line);
  bool ParseKeyLine(std::string_view line);
  bool CheckKeyPath(std::string_view path, bool deletion);
  bool ParseValueLine(std::string_view line);
  bool ParseQuoted(std::string_view& rest, std::string& text);
  bool ParseData(std::string_view rest, RegFileOperation& op);
  bool ParseDword(std::string_view rest, RegFileOperation& op);
  bool ParseHexKind(std::string_view& rest, unsigned long& type);
  bool ParseHexBytes(std::string_view rest, std::string& bytes);
  bool NextContinuationLine(std::string_view& rest);
  bool ConvertTextKind(RegFileOperation& op);
  bool ExpectEnd(std::string_view rest);
  bool Fail(std::string reason);

  std::string m_text;
  std::vector<std::string_view> m_lines;
  std::size_t m_index = 0;  // the physical line being read
  RegFileFormat m_format = RegFileFormat::Regedit4;
  std::string m_currentKey;
  bool m_currentKeyDeleted = false;
  std::vector<RegFileOperation> m_operations;
  int m_errorLine = 0;
  std::string m_errorReason;
};
