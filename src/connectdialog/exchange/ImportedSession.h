// A session as an importer read it from another tool's files, before it is stored: where it
// goes, its protocols, its options by stored name and value text, and its jump host.
#pragma once

#include <string>
#include <vector>

struct ImportedSession {
  // Folder names, then the session's name.
  std::vector<std::string> path;
  // Where it was read ("file:line"), for reports.
  std::string source;
  // A side whose protocol the running product has no plug-in for is left as the default
  // session has it, and the options of that protocol are left out.
  std::string terminalProtocol;
  std::string transferProtocol;
  // Kept in the session's common settings, whichever side connects.
  std::string host;
  std::string user;
  struct Option {
    // The protocol whose record holds the option; empty for the session's own options.
    std::string protocol;
    std::string name;
    // In the option model's text form.
    std::string value;
  };
  // Applied in order, after the protocols.
  std::vector<Option> options;
  // The hops to pass on the way, as ssh's ProxyJump writes them; empty for a direct connection.
  std::string jump;
  // What was left out or changed on the way in, for the report; empty when nothing was.
  std::string note;

  std::string PathText() const;
  // The parts of a name that holds '/' between folders ("a//b" gives an empty part).
  static std::vector<std::string> SplitPath(std::string const& name);
};
