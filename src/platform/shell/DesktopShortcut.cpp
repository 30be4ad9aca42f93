#include "platform/shell/DesktopShortcut.h"

#include <filesystem>
#include <system_error>

#include "platform/filetypes/DesktopKeyFile.h"
#include "platform/files/AtomicFileWriter.h"

namespace {

constexpr char kSuffix[] = ".desktop";
// A file name's bytes, less the room the writer's temporary sibling takes ("." + name + ".N").
constexpr size_t kNameMax = 255 - 12;
constexpr char kGroup[] = "Desktop Entry";

// Bytes that make an Exec word need quotes.
bool NeedsQuotes(std::string const& word) {
  if (word.empty()) return true;
  for (char const c : word)
    if (std::string_view(" \t\n\"'\\><~|&;$*?#()`=%").find(c) != std::string_view::npos) return true;
  return false;
}

// A word of the Exec line: within quotes, '"', '`', '$' and '\' take a backslash; '%' is doubled
// everywhere, since a single one starts a field code.
std::string ExecWord(std::string const& word) {
  bool const quoted = NeedsQuotes(word);
  std::string out = quoted ? "\"" : "";
  for (char const c : word) {
    if (c == '%') out += '%';
    else if (quoted && (c == '"' || c == '`' || c == '$' || c == '\\')) out += '\\';
    out += c;
  }
  return quoted ? out + "\"" : out;
}

// A key-file string value: backslash and the line-breaking bytes escaped, a leading blank kept.
std::string KeyFileString(std::string const& text) {
  std::string out;
  for (size_t i = 0; i < text.size(); ++i) {
    char const c = text[i];
    if (c == '\\') out += "\\\\";
    else if (c == '\n') out += "\\n";
    else if (c == '\r') out += "\\r";
    else if (c == '\t') out += "\\t";
    else if (c == ' ' && i == 0) out += "\\s";
    else out += c;
  }
  return out;
}

}  // namespace

bool DesktopShortcut::IsSafeLabel(std::string const& label) {
  if (label.empty() || label.front() == '.' || label.size() + sizeof(kSuffix) - 1 > kNameMax) return false;
  for (char const c : label)
    if (c == '/' || static_cast<unsigned char>(c) < 0x20 || c == 0x7F) return false;
  return true;
}

std::string DesktopShortcut::ExecValue(std::string const& program, std::vector<std::string> const& arguments) {
  std::string line = ExecWord(program);
  for (std::string const& argument : arguments) line += " " + ExecWord(argument);
  return KeyFileString(line);
}

std::string DesktopShortcut::Text(std::string const& label, std::string const& program,
                                  std::vector<std::string> const& arguments) {
  return std::string("[") + kGroup + "]\nType=Application\nVersion=1.0\nName=" + KeyFileString(label) +
         "\nExec=" + ExecValue(program, arguments) + "\nTerminal=false\n";
}

bool DesktopShortcut::Write(std::string const& folder, std::string const& label, std::string const& program,
                            std::vector<std::string> const& arguments) {
  namespace fs = std::filesystem;
  m_report.clear();
  if (!IsSafeLabel(label)) {
    m_report = "\"" + label + "\" cannot name a file";
    return false;
  }
  if (folder.empty()) {
    m_report = "there is no desktop folder";
    return false;
  }
  std::string const path = folder + "/" + label + kSuffix;
  std::error_code error;
  if (fs::exists(path, error) && DesktopKeyFile::Load(path).Value(kGroup, "Type").empty()) {
    m_report = path + " exists and is not a desktop entry";
    return false;
  }
  fs::create_directories(folder, error);
  AtomicFileWriter writer;
  if (writer.Write(path, Text(label, program, arguments)) == AtomicFileWriter::Result::Failed) {
    m_report = writer.Report();
    return false;
  }
  // Whoever may read it may start it.
  fs::perms const mode = fs::status(path, error).permissions();
  fs::perms exec = fs::perms::none;
  if ((mode & fs::perms::owner_read) != fs::perms::none) exec |= fs::perms::owner_exec;
  if ((mode & fs::perms::group_read) != fs::perms::none) exec |= fs::perms::group_exec;
  if ((mode & fs::perms::others_read) != fs::perms::none) exec |= fs::perms::others_exec;
  if (!error) fs::permissions(path, exec, fs::perm_options::add, error);
  if (error) m_report = "cannot make " + path + " executable: " + error.message();
  return !error;
}
