// A session made from a connection URL handed to the host (a desktop's telnet: or ssh: link):
// the terminal clients make it as Quick Connect would, the transfer client by its URL rules.
// Nothing is stored.
#pragma once

#include <string>

class ISessionConfig;

class HostUrlSession {
 public:
  // Whether `text` is a URL rather than a session path (a path never holds "://").
  static bool IsUrl(std::string const& text);
  // The session `url` names, one reference for the caller; null with `error` set when none.
  static ISessionConfig* Make(std::string const& url, std::string& error);
};
