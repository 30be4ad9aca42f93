#include "exchange/SshHostPattern.h"

bool SshHostPattern::IsConcrete(std::string_view pattern) {
  return !pattern.empty() && pattern[0] != '!' && pattern.find_first_of("*?") == std::string_view::npos;
}

// Iterative matching with one backtrack point: linear in practice, never recursive.
bool SshHostPattern::Wildcard(std::string_view pattern, std::string_view text) {
  size_t p = 0, t = 0, starP = std::string_view::npos, starT = 0;
  while (t < text.size()) {
    if (p < pattern.size() && (pattern[p] == '?' || pattern[p] == text[t])) {
      ++p;
      ++t;
    } else if (p < pattern.size() && pattern[p] == '*') {
      starP = p++;
      starT = t;
    } else if (starP != std::string_view::npos) {
      p = starP + 1;
      t = ++starT;
    } else {
      return false;
    }
  }
  while (p < pattern.size() && pattern[p] == '*') ++p;
  return p == pattern.size();
}

bool SshHostPattern::Matches(std::string_view alias) const {
  bool matched = false;
  for (std::string const& pattern : m_patterns) {
    bool const negated = !pattern.empty() && pattern[0] == '!';
    std::string_view const body = negated ? std::string_view(pattern).substr(1) : std::string_view(pattern);
    if (!Wildcard(body, alias)) continue;
    if (negated) return false;
    matched = true;
  }
  return matched;
}

bool SshHostPattern::NamesHostsOnly() const {
  for (std::string const& pattern : m_patterns)
    if (!IsConcrete(pattern)) return false;
  return true;
}
