// Writes steps as a registry export file, the way the registry editor lays them out: the header,
// then each key as a [full path] line followed by its values, keys separated by a blank line,
// hex data wrapped at 80 columns with a trailing backslash and a two-space indent, CRLF line ends.
// Version 5 files come out as UTF-16LE with a byte order mark, text kinds in hex as UTF-16LE.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/registry/RegFileFormat.h"
#include "platform/registry/RegFileOperation.h"

class RegFileWriter {
 public:
  explicit RegFileWriter(RegFileFormat format) : m_format(format) {}

  // Returns false with a reason, leaving `file` unchanged, when a step cannot be written in the
  // format: a name holding a line break, or (version 5) a name or text that is not UTF-8.
  bool Write(std::vector<RegFileOperation> const& operations, std::string& file);
  std::string const& Error() const { return m_error; }

 private:
  bool WriteOperation(RegFileOperation const& op);
  bool WriteKeyLine(std::string const& key, bool deletion);
  bool WriteValueLine(RegFileOperation const& op);
  bool WriteName(RegFileOperation const& op);
  bool WriteData(RegFileOperation const& op);
  bool WriteHex(RegFileOperation const& op);
  void AppendWrappedHex(std::string_view bytes);
  bool IsWritableName(std::string_view name) const;
  bool IsQuotableText(std::string_view data) const;
  bool Fail(std::string reason);

  RegFileFormat m_format;
  std::string m_text;
  std::string m_line;  // the value line being built
  std::string m_currentKey;
  bool m_inKey = false;
  std::string m_error;
};
