// A desktop shortcut on a freedesktop.org desktop: an application entry "LABEL.desktop" in a
// folder, executable, whose Exec line starts a program with its arguments. The Exec line quotes
// each argument and escapes it as the Desktop Entry format reads it back, so a session path
// with backslashes or blanks reaches the program as one argument, unchanged. Written whole
// through AtomicFileWriter. No call throws.
#pragma once

#include <string>
#include <vector>

class DesktopShortcut {
 public:
  // Whether `label` can name the file: not empty, no '/', no control byte, not starting
  // with '.', and at most 235 bytes, so that the file name with ".desktop" can be written whole.
  static bool IsSafeLabel(std::string const& label);
  // The Exec value: each word quoted where it needs it, then escaped as a key-file string.
  static std::string ExecValue(std::string const& program, std::vector<std::string> const& arguments);
  // The entry's whole text.
  static std::string Text(std::string const& label, std::string const& program, std::vector<std::string> const& arguments);

  // Writes `folder`/LABEL.desktop (making the folder when missing) and marks it executable.
  // False, with Report() saying why and nothing written, for an unsafe label, a file of that
  // name that is not a desktop entry (it is kept), or a write that failed.
  bool Write(std::string const& folder, std::string const& label, std::string const& program,
             std::vector<std::string> const& arguments);
  std::string const& Report() const { return m_report; }

 private:
  std::string m_report;
};
