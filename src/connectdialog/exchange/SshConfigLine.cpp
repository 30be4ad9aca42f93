#include "exchange/SshConfigLine.h"

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

void SkipBlanks(std::string_view text, size_t& at) {
  while (at < text.size() && IsBlank(text[at])) ++at;
}

// The keyword and the separator after it: blanks, at most one '=', blanks.
std::string TakeKeyword(std::string_view text, size_t& at) {
  SkipBlanks(text, at);
  size_t const start = at;
  while (at < text.size() && !IsBlank(text[at]) && text[at] != '=') ++at;
  std::string keyword(text.substr(start, at - start));
  SkipBlanks(text, at);
  if (at < text.size() && text[at] == '=') ++at;
  return keyword;
}

bool IsEscapable(char next, char quote) {
  return next == '\'' || next == '"' || next == '\\' || (quote == 0 && (next == ' ' || next == '\t'));
}

// One word starting at a non-blank; false for a quote left open.
bool TakeWord(std::string_view text, size_t& at, std::string& word) {
  char quote = 0;
  for (; at < text.size(); ++at) {
    char const c = text[at];
    if (quote == 0 && IsBlank(c)) break;
    if (c == '\\' && at + 1 < text.size() && IsEscapable(text[at + 1], quote)) {
      word += text[++at];
    } else if (quote == 0 && (c == '"' || c == '\'')) {
      quote = c;
    } else if (c == quote) {
      quote = 0;
    } else {
      word += c;
    }
  }
  return quote == 0;
}

}  // namespace

bool SshConfigLine::Split(std::string_view line, SshConfigLine& out, std::string& error) {
  out = {};
  size_t at = 0;
  std::string keyword = TakeKeyword(line, at);
  if (keyword.empty() || keyword[0] == '#') return true;
  std::vector<std::string> arguments;
  for (SkipBlanks(line, at); at < line.size() && line[at] != '#'; SkipBlanks(line, at)) {
    std::string word;
    if (!TakeWord(line, at, word)) {
      error = "the quotes of \"" + keyword + "\" are not closed";
      return false;
    }
    arguments.push_back(std::move(word));
  }
  out.keyword = std::move(keyword);
  out.arguments = std::move(arguments);
  return true;
}
