#include "platform/shell/UrlSchemeHandler.h"

#include <filesystem>
#include <fstream>
#include <sstream>
#include <system_error>

#include "platform/files/AtomicFileWriter.h"
#include "platform/shell/DesktopShortcut.h"

namespace {

constexpr char kGroup[] = "[Default Applications]";

// The text's lines, each with its line feed (the last may have none).
std::vector<std::string> Lines(std::string const& text) {
  std::vector<std::string> lines;
  for (size_t start = 0; start < text.size();) {
    size_t const end = text.find('\n', start);
    size_t const next = end == std::string::npos ? text.size() : end + 1;
    lines.push_back(text.substr(start, next - start));
    start = next;
  }
  return lines;
}

std::string Trimmed(std::string const& text) {
  size_t const first = text.find_first_not_of(" \t\r\n");
  if (first == std::string::npos) return {};
  return text.substr(first, text.find_last_not_of(" \t\r\n") - first + 1);
}

std::string Joined(std::vector<std::string> const& lines) {
  std::string text;
  for (std::string const& line : lines) text += line;
  return text;
}

bool IsGroupHeader(std::string const& line) { return Trimmed(line).starts_with("["); }

// The key of a "key=value" line; empty for anything else.
std::string KeyOf(std::string const& line) {
  size_t const equals = line.find('=');
  return equals == std::string::npos ? std::string() : Trimmed(line.substr(0, equals));
}

bool SafeFileName(std::string const& name) {
  if (name.empty() || name.front() == '.' || name.size() > 240) return false;
  for (char const c : name)
    if (c == '/' || static_cast<unsigned char>(c) < 0x20 || c == 0x7F) return false;
  return true;
}

}  // namespace

std::string UrlSchemeHandler::WithDefault(std::string const& oldText, std::string const& mimeType,
                                          std::string const& desktopId) {
  std::string const line = mimeType + "=" + desktopId + "\n";
  std::vector<std::string> lines = Lines(oldText);
  if (!lines.empty() && !lines.back().ends_with("\n")) lines.back() += "\n";
  size_t group = 0;
  while (group < lines.size() && Trimmed(lines[group]) != kGroup) ++group;
  if (group == lines.size()) {
    if (!lines.empty() && !Trimmed(lines.back()).empty()) lines.push_back("\n");
    lines.push_back(std::string(kGroup) + "\n");
    lines.push_back(line);
    return Joined(lines);
  }
  size_t insertAt = group + 1;  // after the group's last line that is not blank
  for (size_t i = group + 1; i < lines.size() && !IsGroupHeader(lines[i]); ++i) {
    if (KeyOf(lines[i]) == mimeType) {
      lines[i] = line;
      return Joined(lines);
    }
    if (!Trimmed(lines[i]).empty()) insertAt = i + 1;
  }
  lines.insert(lines.begin() + static_cast<long>(insertAt), line);
  return Joined(lines);
}

std::string UrlSchemeHandler::EntryText(std::string const& name, std::string const& scheme, std::string const& program,
                                        std::vector<std::string> const& arguments) {
  std::string text = DesktopShortcut::Text(name, program, arguments);
  size_t const exec = text.find("\nExec=");
  size_t const endOfExec = text.find('\n', exec + 1);
  text.insert(endOfExec, " %u");
  return text + "MimeType=x-scheme-handler/" + scheme + ";\nNoDisplay=true\n";
}

bool UrlSchemeHandler::Register(std::string const& scheme, std::string const& desktopId, std::string const& name,
                                std::string const& program, std::vector<std::string> const& arguments) {
  m_report.clear();
  if (!SafeFileName(desktopId) || !desktopId.ends_with(".desktop")) {
    m_report = "\"" + desktopId + "\" cannot name a desktop entry";
    return false;
  }
  std::string old;
  if (!ReadList(old) || !WriteFile(EntryPath(desktopId), EntryText(name, scheme, program, arguments))) return false;
  return WriteFile(ListPath(), WithDefault(old, "x-scheme-handler/" + scheme, desktopId));
}

bool UrlSchemeHandler::ReadList(std::string& text) {
  namespace fs = std::filesystem;
  std::error_code error;
  fs::file_status const status = fs::status(ListPath(), error);
  if (status.type() == fs::file_type::not_found) return true;
  std::ifstream in(ListPath(), std::ios::binary);
  if (!fs::is_regular_file(status) || !in) {
    m_report = ListPath() + " is not a file that can be read";
    return false;
  }
  std::ostringstream bytes;
  bytes << in.rdbuf();
  if (in.bad()) {
    m_report = "cannot read " + ListPath();
    return false;
  }
  text = bytes.str();
  return true;
}

bool UrlSchemeHandler::WriteFile(std::string const& path, std::string const& text) {
  std::error_code error;
  std::filesystem::create_directories(std::filesystem::path(path).parent_path(), error);
  if (error) {
    m_report = "cannot make the folder of " + path + ": " + error.message();
    return false;
  }
  AtomicFileWriter writer;
  if (writer.Write(path, text) != AtomicFileWriter::Result::Failed) return true;
  m_report = writer.Report();
  return false;
}
