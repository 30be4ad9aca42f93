// The change `cdtool session apply-default NAME=VALUE...` makes to the default session, as a
// session record whose named options differ from their checkpoint and nothing else does: the
// delta the session database applies to every session. Values are taken through the option
// model as `session set` takes them, except a protocol choice, which stays per session.
#pragma once

#include <string>
#include <vector>

class ISessionConfig;

class SessionDefaultDelta {
 public:
  // A new default session with one reference carrying the changes, or null with Error() set
  // when an assignment is malformed, names no option, or names one that cannot be set here.
  ISessionConfig* Build(std::vector<std::string> const& texts);
  std::string const& Error() const { return m_error; }

 private:
  ISessionConfig* Fail(std::string reason);

  std::string m_error;
};
