// The "key=value" lines of a settings file, as the terminal client's session files and the
// remote-desktop client's .remmina files keep them: blanks around the key are dropped, the value
// is kept as written, a later line does not replace an earlier one. With a section name, only
// the lines below "[section]" count.
#pragma once

#include <map>
#include <string>
#include <vector>

class KeyValueLines {
 public:
  KeyValueLines(std::vector<std::string> const& lines, std::string const& section);

  // Empty when the key is missing.
  std::string Get(std::string const& key) const;
  bool Has(std::string const& key) const { return m_values.contains(key); }

 private:
  std::map<std::string, std::string> m_values;
};
