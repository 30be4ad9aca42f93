// Changes a session's options from `cdtool session set` assignments NAME=VALUE, through the
// session record: each value is parsed by the option's type, taken in by the option itself as
// if loaded, and marked to be written at the next save. A protocol assignment switches the side
// the way the Session Options dialog does. Assignments are checked as they are applied; the
// caller saves only when all were taken.
#pragma once

#include <string>
#include <vector>

#include "VMemoryStoreFactory.h"
#include "VProfileStore.h"

class SessionConfig;
struct SessionOption;

class SessionOptionInput {
 public:
  explicit SessionOptionInput(SessionConfig& session) : m_session(session) {}

  // Protocols first, since they decide which protocol options exist. False with Error() set at
  // the first assignment refused.
  bool Apply(std::vector<std::string> const& assignments);
  std::string const& Error() const { return m_error; }

 private:
  struct Assignment {
    std::string name;
    std::string value;
  };

  bool Split(std::string const& text, Assignment& assignment);
  bool ApplyOne(Assignment const& assignment, bool protocols);
  bool SetProtocol(SessionOption const& option, std::string const& value);
  // Writes the value's stored form under the option's name into the scratch key.
  bool Stage(SessionOption const& option, std::string const& value);
  bool Fail(std::string reason);

  SessionConfig& m_session;
  VMemoryStoreFactory m_scratchFactory;
  VProfileStore m_scratch{&m_scratchFactory};
  std::string m_error;
};
