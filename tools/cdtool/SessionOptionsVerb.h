// `cdtool dialog session-options PATH`: the Session Options dialog on a stored session, run
// from a script as the running product's host shows it (its products installed, its protocol
// table). OK stores the session, under its new name when the Connection page renamed it;
// Cancel stores nothing.
#pragma once

#include <string>

#include "DialogVerb.h"
#include "ProtocolTableLoader.h"

class SessionOptionsVerb : public DialogVerb {
 public:
  explicit SessionOptionsVerb(CLI::App& dialog);

  CLI::App* Command() const override { return m_command; }
  int Run() override;

 private:
  CLI::App* m_command = nullptr;
  ProtocolTableLoader m_loader;
  std::string m_path;
  std::string m_script;
  bool m_json = false;
};
