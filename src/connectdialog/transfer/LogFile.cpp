#include "transfer/LogFile.h"

#include <time.h>

#include <cstdio>
#include <string>
#include <string_view>
#include <utility>

#include "platform/environment/ExpandEnvironmentStrings.h"
#include "platform/ui/UserInterface.h"

namespace {

constexpr size_t kEnvironmentBuffer = 512;  // characters, the terminator included

char const kChooserTitle[] = "Select Log File";
char const kProposedName[] = "session.log";
char const kChooserFilter[] = "Log Files (*.log)|*.log|All Files (*.*)|*.*||";

std::string ErrorCode(int error) { return "Error code: " + std::to_string(error); }

// Local calendar time of `time`; false when there is no time or the calendar cannot hold it.
bool BreakDown(VTime const* time, tm& local) {
  if (!time) return false;
  time_t const seconds = static_cast<time_t>(*time);
  return localtime_r(&seconds, &local) != nullptr;
}

void AppendNumber(std::string& out, char const* format, int value) {
  char digits[16];
  int const n = std::snprintf(digits, sizeof digits, format, value);
  if (n > 0) out.append(digits, static_cast<size_t>(n));
}

// Colons cannot stand in file names; IPv6 addresses are full of them.
void AppendHost(std::string& out, char const* host) {
  for (char const* c = host; c && *c; ++c) out += *c == ':' ? '_' : *c;
}

// Appends what the code letter after a "%" stands for.
void AppendCode(std::string& out, char code, tm const* local, char const* host, char const* session) {
  switch (code) {
    case 'S': out += session ? session : ""; return;
    case 'H': AppendHost(out, host); return;
    case '%': out += '%'; return;
    default: break;
  }
  if (!local) return;
  switch (code) {
    case 'Y': AppendNumber(out, "%04d", local->tm_year + 1900); return;
    case 'M': AppendNumber(out, "%02d", local->tm_mon + 1); return;
    case 'D': AppendNumber(out, "%02d", local->tm_mday); return;
    case 'h': AppendNumber(out, "%02d", local->tm_hour); return;
    case 'm': AppendNumber(out, "%02d", local->tm_min); return;
    case 's': AppendNumber(out, "%02d", local->tm_sec); return;
    default: return;
  }
}

}  // namespace

bool LogFile::Open(VString& path, int mode, bool& cancelled, bool showErrors) {
  m_mode = mode;
  m_showErrors = showErrors;
  cancelled = false;
  if (path.IsEmpty() || (mode & kAlwaysAsk)) {
    std::string chosen = path.Str();
    if (!GetUserInterface().ChooseFile(UserInterface::FileChooser::Save, kChooserTitle, kProposedName,
                                       kChooserFilter, chosen)) {
      cancelled = true;
      return false;
    }
    path = std::string_view(chosen);
  }
  m_path = path;
  auto const sharing = (mode & kAppend) ? SharedWriteFile::Sharing::WithWriters : SharedWriteFile::Sharing::Exclusive;
  if (m_file.Open(m_path.c_str(), sharing)) return true;
  ShowError("Unable to open log file: " + m_path.Str() + "\n" +
            (m_file.InUse() ? std::string("File already in use.") : ErrorCode(m_file.Error())));
  return false;
}

void LogFile::Write(void const* data, unsigned int length) {
  if (m_writeFailed || !m_file.IsOpen() || WriteThrough(data, length)) return;
  m_writeFailed = true;
  ShowError("Unable to write to log file: " + m_path.Str() + "\n\t" + ErrorCode(m_file.Error()) +
            "\nNo more data will be logged.");
}

// Other sessions may append to the same file: with kAppendEachWrite each write lands at the end
// as it is now, and is on disk before the next session's.
bool LogFile::WriteThrough(void const* data, unsigned int length) {
  bool const toEnd = (m_mode & kAppend) && (m_mode & kAppendEachWrite);
  if (toEnd && !m_file.SeekToEnd()) return false;
  if (!m_file.Write(data, length)) return false;
  return !toEnd || m_file.Flush();
}

void LogFile::ShowError(std::string const& text) const {
  if (m_showErrors) GetUserInterface().MessageBox(text, "", MB_OK | MB_ICONERROR);
}

VString LogFile::Expand(char const* host, char const* session, VTime const* time, VString pattern) {
  std::string const expanded = ExpandEnvironmentStrings(std::string_view(pattern.c_str()), kEnvironmentBuffer - 1);
  tm local{};
  tm const* calendar = BreakDown(time, local) ? &local : nullptr;
  std::string out;
  for (size_t i = 0; i < expanded.size(); ++i) {
    if (expanded[i] != '%') out += expanded[i];
    else if (++i < expanded.size()) AppendCode(out, expanded[i], calendar, host, session);
  }
  return out;
}

VString LogFile::Expand(char const* host, char const* session, VString pattern) {
  VTime const now = static_cast<VTime>(::time(nullptr));
  return Expand(host, session, &now, std::move(pattern));
}
