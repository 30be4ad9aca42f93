// The words of a case file's input line (CaseFile.h): a word in double quotes is read back from the
// form DumpText (KeyDump.h) writes, \" \\ and \xhh, so that it may hold blanks, line ends and any
// byte; any other word ends at a blank.
#pragma once

#include <algorithm>
#include <string>
#include <vector>

#include "support/UnquotedText.h"

struct CaseWord {
  std::string text;
  bool quoted = false;
};

inline std::vector<CaseWord> CaseWords(std::string const& line) {
  std::vector<CaseWord> words;
  for (size_t at = 0; at < line.size();) {
    if (line[at] == ' ') {
      ++at;
    } else if (line[at] != '"') {
      size_t const end = std::min(line.find(' ', at), line.size());
      words.push_back({line.substr(at, end - at)});
      at = end;
    } else {
      size_t end = at + 1;
      while (end < line.size() && line[end] != '"') end += line[end] == '\\' ? 2 : 1;
      words.push_back({UnquotedText(line.substr(at, end + 1 - at)), true});
      at = end + 1;
    }
  }
  return words;
}
