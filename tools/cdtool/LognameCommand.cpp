#include "LognameCommand.h"

#include <iostream>

#include "transfer/LogFile.h"

namespace {

// 0000-01-01 to 9999-12-31 in UTC: four-digit years whatever the local zone, and far inside what
// the calendar conversion can hold.
constexpr int64_t kEarliest = -62167219200;
constexpr int64_t kLatest = 253402300799;

char const* OrNull(std::optional<std::string> const& text) { return text ? text->c_str() : nullptr; }

}  // namespace

LognameCommand::LognameCommand(CLI::App& app) {
  CLI::App* logname = AddVerb(app, "logname", "Print the file name that a log file name pattern expands to",
                              [this] { return Expand(); });
  logname
      ->add_option("PATTERN", m_pattern,
                   "The pattern: %NAME% environment variables, then %Y %M %D (date), %h %m %s (24-hour "
                   "time), %S (session), %H (host, \":\" as \"_\"), %% (a percent sign)")
      ->required();
  logname->add_option("--host", m_host, "The host for %H (none: %H gives nothing)");
  logname->add_option("--session", m_session, "The session name for %S (none: %S gives nothing)");
  logname->add_option("--time", m_time, "Seconds since 1970-01-01 UTC (default: now), shown in the local zone (TZ)")
      ->check(CLI::Range(kEarliest, kLatest));
}

int LognameCommand::Expand() const {
  VString const name = m_time ? LogFile::Expand(OrNull(m_host), OrNull(m_session), &*m_time, m_pattern)
                              : LogFile::Expand(OrNull(m_host), OrNull(m_session), m_pattern);
  std::cout << name << '\n';
  std::cout.flush();
  if (std::cout) return 0;
  std::cerr << "cdtool: cannot write to standard output\n";
  return 1;
}
