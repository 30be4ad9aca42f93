#include "exchange/JumpHost.h"

#include "exchange/PortText.h"

std::optional<JumpHost> JumpHost::FirstHop(std::string const& hops) {
  std::string hop = hops.substr(0, hops.find(','));
  if (hop.starts_with("ssh://")) hop = hop.substr(6);
  JumpHost jump;
  if (size_t const at = hop.rfind('@'); at != std::string::npos) {
    jump.user = hop.substr(0, at);
    hop = hop.substr(at + 1);
  }
  std::string portText;
  if (hop.starts_with("[")) {
    size_t const close = hop.find(']');
    if (close == std::string::npos) return std::nullopt;
    if (close + 1 < hop.size()) {
      if (hop[close + 1] != ':') return std::nullopt;
      portText = hop.substr(close + 2);
      if (portText.empty()) return std::nullopt;
    }
    hop = hop.substr(1, close - 1);
  } else if (size_t const colon = hop.find(':'); colon != std::string::npos && hop.find(':', colon + 1) == std::string::npos) {
    portText = hop.substr(colon + 1);
    if (portText.empty()) return std::nullopt;
    hop = hop.substr(0, colon);
  }
  if (hop.empty() || (!portText.empty() && !ParsePortText(portText, jump.port))) return std::nullopt;
  jump.host = hop;
  return jump;
}
