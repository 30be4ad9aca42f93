// Every option of a session under its stored name, as `cdtool session` shows and sets them:
// the session's own, its terminal settings, its printer port and the values of each side's
// selected protocol record, in save order. Types: flag, number, unsigned, text, encoded text
// (shown decoded), lines, record (hex bytes of a fixed length), bytes (hex of any length),
// protocol (a side's protocol name) and list (a list kept in a key of its own, shown only).
#pragma once

#include <nlohmann/json.hpp>

#include <string>
#include <vector>

class ConnectConfigPtr;
class SessionConfig;
class VProfileData;
class VProfileRecord;

struct SessionOption {
  std::string name;
  std::string type;
  VProfileRecord* owner = nullptr;  // the record whose table lists the option
  int index = -1;                   // its row in that table
  VProfileData* member = nullptr;
  ConnectConfigPtr* side = nullptr;  // for a protocol
};

class SessionOptionList {
 public:
  explicit SessionOptionList(SessionConfig& session);

  std::vector<SessionOption> const& Options() const { return m_options; }
  // The option whose stored name matches `name` without regard to case; null when none does.
  SessionOption const* Find(std::string const& name) const;
  // The current value as stored (encoded texts decoded). Renders through a forced save of the
  // member into memory, so the member counts as saved afterwards: for showing only.
  static nlohmann::ordered_json Value(SessionOption const& option);

 private:
  void Walk(VProfileRecord& record);

  std::vector<SessionOption> m_options;
};
