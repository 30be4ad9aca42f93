// cdhost's command line: --product korvo|halokorvo|halofyx (else the product the program's name
// ends in: cdhost-halofyx runs as HaloFyx; plain cdhost as HaloKorvo), --print-command PATH, and
// "/S PATH", the form in which a sibling host and desktop shortcuts hand it a session to open,
// or a connection URL alone, as a desktop's link handler passes it.
#pragma once

#include <QCommandLineParser>
#include <QStringList>
#include <optional>
#include <string>

class HostArguments {
 public:
  HostArguments();

  // Whether `arguments` ask for something a terminal answers (--print-command, --help), so
  // that no display is needed.
  static bool RunsWithoutWindow(QStringList const& arguments);
  // `arguments` from the program's name on; false with Error() set when they make no sense.
  bool Parse(QStringList const& arguments);

  int ProductId() const { return m_productId; }
  bool Help() const { return m_help; }
  // The session whose command to print; empty unless --print-command was given.
  std::optional<std::string> const& PrintCommand() const { return m_printCommand; }
  // The session that /S names, or the URL given.
  std::optional<std::string> const& Open() const { return m_open; }
  std::string const& Error() const { return m_error; }
  std::string HelpText() const;

 private:
  bool Refuse(std::string error);

  QCommandLineParser m_parser;
  int m_productId = -1;
  bool m_help = false;
  std::optional<std::string> m_printCommand;
  std::optional<std::string> m_open;
  std::string m_error;
};
