#include "exchange/ImportedSession.h"

std::string ImportedSession::PathText() const {
  std::string text;
  for (std::string const& part : path) text += (text.empty() ? "" : "/") + part;
  return text;
}
