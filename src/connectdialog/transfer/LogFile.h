// A session's log file: opened (asking the user for a name when needed) to append or to start
// afresh, then written until the first write error, after which logging stops quietly. Failures
// are shown through the user-interface service when the caller allows it; nothing throws. One
// LogFile belongs to one session and one thread. Also expands log file name patterns.
#pragma once

#include <string>

#include "VString.h"
#include "VTime.h"
#include "platform/files/SharedWriteFile.h"

class LogFile {
 public:
  // Bits of the mode given to Open.
  static constexpr int kAppend = 0x1;            // keep the content and write after it; else start afresh
  static constexpr int kRaw = 0x2;               // the host logs the raw data stream
  static constexpr int kAlwaysAsk = 0x4;         // ask for the file name even when one is given
  static constexpr int kAppendEachWrite = 0x8;   // with kAppend: every write goes to the end, flushed
  static constexpr int kDebug = 0x10000;

  LogFile() = default;
  LogFile(LogFile const&) = delete;
  LogFile& operator=(LogFile const&) = delete;

  // Opens the log file `path`, first letting the user choose one when `path` is empty or the mode
  // asks for it; the choice is written back into `path`. Appending lets other appenders share the
  // file; starting afresh keeps other writers out. False with `cancelled` set when the user
  // cancels the chooser (nothing shown); false with a message box (if `showErrors`) when the file
  // cannot be opened.
  bool Open(VString& path, int mode, bool& cancelled, bool showErrors);
  // Writes `length` bytes. The first failure shows a message box (if errors are shown) and stops
  // all later writes; without an open file nothing is written.
  void Write(void const* data, unsigned int length);

  bool IsRaw() const { return (m_mode & kRaw) != 0; }
  bool IsDebug() const { return (m_mode & kDebug) != 0; }

  // The file name of `pattern`: environment references %NAME% are expanded first (into a
  // 512-character buffer, terminator included, that cuts longer results), then the codes %Y %M %D
  // (date), %h %m %s (24-hour time) of `time` in the local time zone (TZ), %S (`session`), %H
  // (`host` with ":" as "_") and %% ("%"). Any other code, and a final "%", gives nothing; so do
  // the date and time codes without a `time` or for one the calendar cannot hold, and %S and %H
  // when their argument is null. The pattern ends at its first zero byte.
  static VString Expand(char const* host, char const* session, VTime const* time, VString pattern);
  // The same at the current time.
  static VString Expand(char const* host, char const* session, VString pattern);

 private:
  bool WriteThrough(void const* data, unsigned int length);
  void ShowError(std::string const& text) const;

  int m_mode = 0;
  SharedWriteFile m_file;
  VString m_path;
  bool m_writeFailed = false;
  bool m_showErrors = true;
};
