// An imported session as one line for table tests: path, protocols, host, user, each option
// "name=value", then the jump host and the note when there are any.
#pragma once

#include <string>

#include "exchange/ImportedSession.h"

inline std::string Summary(ImportedSession const& session) {
  std::string text = session.PathText() + " " + session.terminalProtocol + "/" + session.transferProtocol + " host=" +
                     session.host + " user=" + session.user;
  for (ImportedSession::Option const& option : session.options) text += " " + option.name + "=" + option.value;
  if (!session.jump.empty()) text += " jump=" + session.jump;
  if (!session.note.empty()) text += " note=" + session.note;
  return text;
}
