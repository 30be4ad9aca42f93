#include "platform/registry/RegFileWriter.h"

#include <cstdio>

#include "platform/registry/Utf16Text.h"

namespace {

constexpr std::size_t kMaxColumns = 80;
constexpr std::string_view kNewline = "\r\n";

std::string Quoted(std::string_view text) {
  std::string out = "\"";
  for (char c : text) {
    if (c == '\\' || c == '"') out += '\\';
    out += c;
  }
  return out + '"';
}

// Columns as a reader sees them: one per character, not per UTF-8 byte.
std::size_t Columns(std::string_view text) {
  std::size_t columns = 0;
  for (char c : text)
    if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) ++columns;
  return columns;
}

std::string HexByte(unsigned char byte) {
  char buffer[3];
  std::snprintf(buffer, sizeof buffer, "%02x", byte);
  return buffer;
}

bool IsTextKind(unsigned long type) { return type == REG_SZ || type == REG_EXPAND_SZ || type == REG_MULTI_SZ; }

}  // namespace

bool RegFileWriter::Write(std::vector<RegFileOperation> const& operations, std::string& file) {
  m_text = m_format == RegFileFormat::Version5 ? "Windows Registry Editor Version 5.00" : "REGEDIT4";
  m_text += kNewline;
  m_currentKey.clear();
  m_inKey = false;
  m_error.clear();
  for (auto const& op : operations)
    if (!WriteOperation(op)) return false;
  m_text += kNewline;
  if (m_format == RegFileFormat::Regedit4) {
    file = std::move(m_text);
    return true;
  }
  std::string utf16;
  if (!Utf16Text::FromUtf8(m_text, utf16)) return Fail("the text is not UTF-8; export it in REGEDIT4 format");
  file = "\xFF\xFE" + utf16;
  return true;
}

bool RegFileWriter::WriteOperation(RegFileOperation const& op) {
  using Kind = RegFileOperation::Kind;
  if (op.kind == Kind::CreateKey || op.kind == Kind::DeleteKey) return WriteKeyLine(op.key, op.kind == Kind::DeleteKey);
  if ((!m_inKey || op.key != m_currentKey) && !WriteKeyLine(op.key, false)) return false;
  return WriteValueLine(op);
}

bool RegFileWriter::WriteKeyLine(std::string const& key, bool deletion) {
  if (!IsWritableName(key)) return Fail("the key name \"" + key + "\" cannot be written in this format");
  m_text += kNewline;
  m_text += deletion ? "[-" : "[";
  m_text += key;
  m_text += ']';
  m_text += kNewline;
  m_currentKey = key;
  m_inKey = !deletion;
  return true;
}

bool RegFileWriter::WriteValueLine(RegFileOperation const& op) {
  if (!m_inKey) return Fail("a value of key \"" + op.key + "\" follows that key's deletion");
  if (!WriteName(op)) return false;
  if (op.kind == RegFileOperation::Kind::DeleteValue) {
    m_line += '-';
  } else if (!WriteData(op)) {
    return false;
  }
  m_text += m_line;
  m_text += kNewline;
  return true;
}

bool RegFileWriter::WriteName(RegFileOperation const& op) {
  if (!IsWritableName(op.name))
    return Fail("the name of value \"" + op.name + "\" in key \"" + op.key + "\" cannot be written in this format");
  m_line = op.name.empty() ? "@" : Quoted(op.name);
  m_line += '=';
  return true;
}

bool RegFileWriter::WriteData(RegFileOperation const& op) {
  if (op.type == REG_SZ && IsQuotableText(op.data)) {
    m_line += Quoted(std::string_view(op.data).substr(0, op.data.size() - 1));
    return true;
  }
  if (op.type == REG_DWORD && op.data.size() == 4) {
    unsigned long value = 0;
    for (int i = 3; i >= 0; --i) value = (value << 8) | static_cast<unsigned char>(op.data[i]);
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "dword:%08lx", value);
    m_line += buffer;
    return true;
  }
  return WriteHex(op);
}

bool RegFileWriter::WriteHex(RegFileOperation const& op) {
  if (op.type == REG_BINARY) {
    m_line += "hex:";
  } else {
    char buffer[24];
    std::snprintf(buffer, sizeof buffer, "hex(%lx):", op.type);
    m_line += buffer;
  }
  if (m_format == RegFileFormat::Regedit4 || !IsTextKind(op.type)) {
    AppendWrappedHex(op.data);
    return true;
  }
  std::string utf16;
  if (!Utf16Text::FromUtf8(op.data, utf16))
    return Fail("value \"" + op.name + "\" in key \"" + op.key + "\" is not UTF-8 text; export it in REGEDIT4 format");
  AppendWrappedHex(utf16);
  return true;
}

// A line, trailing backslash included, never passes kMaxColumns.
void RegFileWriter::AppendWrappedHex(std::string_view bytes) {
  std::size_t columns = Columns(m_line);
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    bool const last = i + 1 == bytes.size();
    std::size_t const needed = last ? 2 : 4;  // "xx" or "xx," with room for a backslash
    if (columns + needed > kMaxColumns) {
      m_line += "\\";
      m_line += kNewline;
      m_line += "  ";
      columns = 2;
    }
    m_line += HexByte(static_cast<unsigned char>(bytes[i]));
    if (!last) m_line += ',';
    columns += last ? 2 : 3;
  }
}

bool RegFileWriter::IsWritableName(std::string_view name) const {
  if (name.find_first_of(std::string_view("\r\n\0", 3)) != std::string_view::npos) return false;
  return m_format == RegFileFormat::Regedit4 || Utf16Text::IsUtf8(name);
}

// Text that reads back the same from "..." form: one terminating NUL and no other, no line breaks.
bool RegFileWriter::IsQuotableText(std::string_view data) const {
  if (data.empty() || data.back() != '\0') return false;
  data.remove_suffix(1);
  if (data.find_first_of(std::string_view("\r\n\0", 3)) != std::string_view::npos) return false;
  return m_format == RegFileFormat::Regedit4 || Utf16Text::IsUtf8(data);
}

bool RegFileWriter::Fail(std::string reason) {
  m_error = std::move(reason);
  return false;
}
