#include "platform/registry/RegFileParser.h"

#include <algorithm>
#include <cctype>

#include "platform/registry/RegHiveName.h"
#include "platform/registry/Registry.h"
#include "platform/registry/Utf16Text.h"

namespace {

constexpr std::string_view kRegedit4Header = "REGEDIT4";
constexpr std::string_view kVersion5Header = "Windows Registry Editor Version 5.00";

bool IsBlank(char c) { return c == ' ' || c == '\t'; }
bool IsHexDigit(char c) { return std::isxdigit(static_cast<unsigned char>(c)) != 0; }

std::string_view TrimLeft(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  return text;
}

std::string_view TrimRight(std::string_view text) {
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return text;
}

// Case-insensitive prefix test that consumes the prefix on success.
bool ConsumePrefix(std::string_view& text, std::string_view prefix) {
  if (text.size() < prefix.size()) return false;
  for (std::size_t i = 0; i < prefix.size(); ++i)
    if (std::tolower(static_cast<unsigned char>(text[i])) != prefix[i]) return false;
  text.remove_prefix(prefix.size());
  return true;
}

std::size_t HexDigitRun(std::string_view text) {
  return std::find_if_not(text.begin(), text.end(), IsHexDigit) - text.begin();
}

unsigned long HexValue(std::string_view digits) { return std::stoul(std::string(digits), nullptr, 16); }

bool IsTextKind(unsigned long type) { return type == REG_SZ || type == REG_EXPAND_SZ || type == REG_MULTI_SZ; }

}  // namespace

bool RegFileParser::Parse(std::string_view bytes) {
  m_operations.clear();
  m_currentKey.clear();
  m_currentKeyDeleted = false;
  m_errorLine = 0;
  m_errorReason.clear();
  m_index = 0;
  bool ok = Decode(bytes);
  if (ok) {
    SplitLines();
    ok = ParseHeader();
  }
  for (m_index = 1; ok && m_index < m_lines.size(); ++m_index) ok = ParseLine(m_lines[m_index]);
  if (!ok) m_operations.clear();
  return ok;
}

std::string RegFileParser::ErrorText() const { return "line " + std::to_string(m_errorLine) + ": " + m_errorReason; }

bool RegFileParser::Decode(std::string_view bytes) {
  if (bytes.starts_with("\xFE\xFF")) return Fail("UTF-16 big-endian files are not supported; save it as UTF-16LE or UTF-8");
  if (!bytes.starts_with("\xFF\xFE")) {
    if (bytes.starts_with("\xEF\xBB\xBF")) bytes.remove_prefix(3);
    m_text.assign(bytes);
    return true;
  }
  bytes.remove_prefix(2);
  std::size_t badOffset = 0;
  if (Utf16Text::ToUtf8(bytes, m_text, badOffset)) return true;
  std::string valid;
  Utf16Text::ToUtf8(bytes.substr(0, badOffset), valid, badOffset);
  m_index = std::count(valid.begin(), valid.end(), '\n');
  return Fail("the file is not valid UTF-16 text");
}

void RegFileParser::SplitLines() {
  m_lines.clear();
  std::string_view rest = m_text;
  while (true) {
    std::size_t const end = rest.find('\n');
    std::string_view line = rest.substr(0, end);
    if (line.ends_with('\r')) line.remove_suffix(1);
    m_lines.push_back(line);
    if (end == std::string_view::npos) break;
    rest.remove_prefix(end + 1);
    if (rest.empty()) break;  // a final line break ends the last line, it starts none
  }
}

bool RegFileParser::ParseHeader() {
  m_index = 0;
  if (m_lines[0] == kRegedit4Header) {
    m_format = RegFileFormat::Regedit4;
  } else if (m_lines[0] == kVersion5Header) {
    m_format = RegFileFormat::Version5;
  } else {
    return Fail("the first line must be exactly \"REGEDIT4\" or \"Windows Registry Editor Version 5.00\"");
  }
  return true;
}

bool RegFileParser::ParseLine(std::string_view line) {
  line = TrimLeft(line);
  if (line.empty() || line.front() == ';') return true;
  if (line.front() == '[') return ParseKeyLine(line);
  if (line.front() == '"' || line.front() == '@') return ParseValueLine(line);
  return Fail("expected a key in [brackets], a value line starting with \" or @, or a comment starting with ;");
}

bool RegFileParser::ParseKeyLine(std::string_view line) {
  line = TrimRight(line);
  if (!line.ends_with(']')) return Fail("the key line has no closing ]");
  std::string_view path = line.substr(1, line.size() - 2);
  bool const deletion = path.starts_with('-');
  if (deletion) path.remove_prefix(1);
  if (!CheckKeyPath(path, deletion)) return false;
  m_currentKey.assign(path);
  m_currentKeyDeleted = deletion;
  RegFileOperation op;
  op.kind = deletion ? RegFileOperation::Kind::DeleteKey : RegFileOperation::Kind::CreateKey;
  op.key = m_currentKey;
  op.line = static_cast<int>(m_index) + 1;
  m_operations.push_back(std::move(op));
  return true;
}

bool RegFileParser::CheckKeyPath(std::string_view path, bool deletion) {
  if (path.empty()) return Fail("the key name is empty");
  // The registry calls take names up to their first NUL; applied, the path would name another key.
  if (path.find('\0') != std::string_view::npos) return Fail("the key path holds a NUL byte");
  std::size_t const slash = path.find('\\');
  std::string_view const hive = path.substr(0, slash);
  if (!RegHiveName::Resolve(hive))
    return Fail("unknown hive \"" + std::string(hive) +
                "\"; use HKEY_CURRENT_USER, HKEY_LOCAL_MACHINE or HKEY_CLASSES_ROOT");
  if (slash == std::string_view::npos) {
    if (deletion) return Fail("a whole hive cannot be deleted");
    return true;
  }
  std::string_view sub = path.substr(slash + 1);
  for (std::size_t levels = 1;; ++levels) {
    std::size_t const next = sub.find('\\');
    if (sub.substr(0, next).empty()) return Fail("the key path has an empty part (two backslashes in a row or one at the end)");
    if (levels > kRegMaxKeyDepth)
      return Fail("the key path is more than " + std::to_string(kRegMaxKeyDepth) + " levels deep below its hive");
    if (next == std::string_view::npos) return true;
    sub.remove_prefix(next + 1);
  }
}

bool RegFileParser::ParseValueLine(std::string_view line) {
  if (m_currentKey.empty()) return Fail("a value appears before any [key] line");
  if (m_currentKeyDeleted) return Fail("a value cannot follow a key deletion [-...]");
  RegFileOperation op;
  op.key = m_currentKey;
  op.line = static_cast<int>(m_index) + 1;
  std::string_view rest = line;
  if (rest.front() == '@') {
    rest.remove_prefix(1);
  } else if (!ParseQuoted(rest, op.name)) {
    return false;
  } else if (op.name.find('\0') != std::string::npos) {
    return Fail("the value name holds a NUL byte");
  }
  rest = TrimLeft(rest);
  if (!rest.starts_with('=')) return Fail("expected = after the value name");
  if (!ParseData(TrimLeft(rest.substr(1)), op)) return false;
  m_operations.push_back(std::move(op));
  return true;
}

bool RegFileParser::ParseQuoted(std::string_view& rest, std::string& text) {
  text.clear();
  for (std::size_t i = 1; i < rest.size(); ++i) {
    char const c = rest[i];
    if (c == '"') {
      rest.remove_prefix(i + 1);
      return true;
    }
    if (c == '\\') {
      if (i + 1 == rest.size() || (rest[i + 1] != '\\' && rest[i + 1] != '"'))
        return Fail("a backslash in quoted text must be followed by \\ or \" (write \\\\ for one backslash)");
      ++i;
    }
    text += rest[i];
  }
  return Fail("the quoted text has no closing quote");
}

bool RegFileParser::ParseData(std::string_view rest, RegFileOperation& op) {
  op.kind = RegFileOperation::Kind::SetValue;
  if (rest.starts_with('-')) {
    op.kind = RegFileOperation::Kind::DeleteValue;
    return ExpectEnd(rest.substr(1));
  }
  if (rest.starts_with('"')) {
    op.type = REG_SZ;
    if (!ParseQuoted(rest, op.data)) return false;
    op.data += '\0';
    return ExpectEnd(rest);
  }
  if (ConsumePrefix(rest, "dword:")) return ParseDword(rest, op);
  if (!ParseHexKind(rest, op.type)) return false;
  std::size_t const startLine = m_index;
  if (!ParseHexBytes(rest, op.data)) return false;
  std::size_t const endLine = m_index;
  m_index = startLine;
  if (!ConvertTextKind(op)) return false;
  m_index = endLine;
  return true;
}

bool RegFileParser::ParseDword(std::string_view rest, RegFileOperation& op) {
  std::size_t const digits = HexDigitRun(rest);
  bool const endsClean = digits == rest.size() || IsBlank(rest[digits]) || rest[digits] == ';';
  if (digits < 1 || digits > 8 || !endsClean) return Fail("dword value needs 1 to 8 hex digits");
  unsigned long const value = HexValue(rest.substr(0, digits));
  op.type = REG_DWORD;
  op.data.clear();
  for (int shift = 0; shift < 32; shift += 8) op.data += static_cast<char>((value >> shift) & 0xFF);
  return ExpectEnd(rest.substr(digits));
}

bool RegFileParser::ParseHexKind(std::string_view& rest, unsigned long& type) {
  if (ConsumePrefix(rest, "hex:")) {
    type = REG_BINARY;
    return true;
  }
  if (!ConsumePrefix(rest, "hex(")) return Fail("unknown value data; expected \"text\", dword:, hex:, hex(N): or -");
  std::size_t const digits = HexDigitRun(rest);
  if (digits < 1 || digits > 8 || rest.substr(digits, 2) != "):")
    return Fail("the value kind in hex(N): needs 1 to 8 hex digits, as in hex(7):");
  type = HexValue(rest.substr(0, digits));
  rest.remove_prefix(digits + 2);
  return true;
}

bool RegFileParser::ParseHexBytes(std::string_view rest, std::string& bytes) {
  bytes.clear();
  rest = TrimLeft(rest);
  if (rest.empty() || rest.front() == ';') return true;
  while (true) {
    if (TrimRight(rest) == "\\" && !NextContinuationLine(rest)) return false;
    std::size_t const digits = HexDigitRun(rest);
    if (digits != 2) return Fail("hex data must be two-digit hex bytes separated by commas");
    bytes += static_cast<char>(HexValue(rest.substr(0, 2)));
    rest = TrimLeft(rest.substr(2));
    if (rest.empty() || rest.front() == ';') return true;
    if (rest.front() != ',') return Fail("hex data must be two-digit hex bytes separated by commas");
    rest = TrimLeft(rest.substr(1));
    if (rest.empty() || rest.front() == ';') return Fail("hex data ends with a comma");
  }
}

bool RegFileParser::NextContinuationLine(std::string_view& rest) {
  if (m_index + 1 >= m_lines.size()) return Fail("the file ends inside a value continued with a backslash");
  ++m_index;
  rest = TrimLeft(m_lines[m_index]);
  if (rest.empty()) return Fail("a value continued with a backslash is followed by an empty line");
  return true;
}

bool RegFileParser::ConvertTextKind(RegFileOperation& op) {
  if (m_format != RegFileFormat::Version5 || !IsTextKind(op.type)) return true;
  std::size_t badOffset = 0;
  if (Utf16Text::ToUtf8(op.data, op.data, badOffset)) return true;
  return Fail("text kinds given in hex must be UTF-16LE in a version 5 file, and these bytes are not");
}

bool RegFileParser::ExpectEnd(std::string_view rest) {
  rest = TrimLeft(rest);
  if (rest.empty() || rest.front() == ';') return true;
  return Fail("unexpected text after the value: " + std::string(rest));
}

bool RegFileParser::Fail(std::string reason) {
  m_errorLine = static_cast<int>(m_index) + 1;
  m_errorReason = std::move(reason);
  return false;
}
