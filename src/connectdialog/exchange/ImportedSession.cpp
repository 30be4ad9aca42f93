#include "exchange/ImportedSession.h"

std::string ImportedSession::PathText() const {
  std::string text;
  for (std::string const& part : path) text += (text.empty() ? "" : "/") + part;
  return text;
}

std::vector<std::string> ImportedSession::SplitPath(std::string const& name) {
  std::vector<std::string> parts;
  size_t start = 0;
  for (size_t slash; (slash = name.find('/', start)) != std::string::npos; start = slash + 1)
    parts.push_back(name.substr(start, slash - start));
  parts.push_back(name.substr(start));
  return parts;
}
