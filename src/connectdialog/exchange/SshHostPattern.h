// The pattern list of an OpenSSH "Host" line: an alias matches when one of the patterns without
// '!' matches it and none of those with '!' does. '*' stands for any run of characters, '?' for
// one; letter case counts, as it does for ssh.
#pragma once

#include <string>
#include <string_view>
#include <vector>

class SshHostPattern {
 public:
  explicit SshHostPattern(std::vector<std::string> patterns) : m_patterns(std::move(patterns)) {}

  bool Matches(std::string_view alias) const;
  std::vector<std::string> const& Patterns() const { return m_patterns; }
  // True when every pattern names one host (so only those hosts can match).
  bool NamesHostsOnly() const;

  // True for a pattern that names one host only: no '*', '?' or leading '!'.
  static bool IsConcrete(std::string_view pattern);
  static bool Wildcard(std::string_view pattern, std::string_view text);

 private:
  std::vector<std::string> m_patterns;
};
