// The first hop of an ssh ProxyJump list ("[user@]host[:port]", "ssh://user@host:port",
// "[v6-address]:port", hops joined by commas): the server a session connects to first.
#pragma once

#include <optional>
#include <string>

struct JumpHost {
  static constexpr int kDefaultPort = 22;

  std::string user;
  std::string host;
  int port = kDefaultPort;

  // Nothing for an empty host or a port outside 1 to 65535.
  static std::optional<JumpHost> FirstHop(std::string const& hops);
};
