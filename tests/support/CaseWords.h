// The words of a case file's input line (CaseFile.h): a word in double quotes is read back from the
// form DumpText (KeyDump.h) writes, \" \\ and \xhh, so that it may hold blanks, line ends and any
// byte; any other word ends at a blank.
#pragma once

#include <algorithm>
#include <string>
#include <vector>

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
      CaseWord word{"", true};
      for (++at; at < line.size() && line[at] != '"'; ++at) {
        if (line[at] == '\\' && line.compare(at + 1, 1, "x") == 0) {
          word.text += static_cast<char>(std::stoi(line.substr(at + 2, 2), nullptr, 16));
          at += 3;
        } else {
          word.text += line[at] == '\\' ? line[++at] : line[at];
        }
      }
      words.push_back(word);
      ++at;
    }
  }
  return words;
}
