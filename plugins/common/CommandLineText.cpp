#include "CommandLineText.h"

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

}  // namespace

std::string CommandLineText::Quote(std::string_view argument) {
  if (!argument.empty() && argument.find_first_of(" \t\"") == std::string_view::npos) return std::string(argument);
  std::string quoted = "\"";
  size_t slashes = 0;
  for (char const c : argument) {
    if (c == '\\') {
      ++slashes;
      continue;
    }
    quoted.append(c == '"' ? slashes * 2 + 1 : slashes, '\\');
    quoted += c;
    slashes = 0;
  }
  // Doubled, so that the closing quote stays a quote.
  quoted.append(slashes * 2, '\\');
  return quoted + '"';
}

void CommandLineText::Split(std::string_view text, CStringList& arguments) {
  size_t i = 0;
  while (true) {
    while (i < text.size() && IsBlank(text[i])) ++i;
    if (i == text.size()) return;
    std::string argument;
    bool quoted = false;
    while (i < text.size() && (quoted || !IsBlank(text[i]))) {
      if (text[i] == '\\') {
        size_t const end = std::min(text.find_first_not_of('\\', i), text.size());
        size_t const slashes = end - i;
        i = end;
        bool const beforeQuote = i < text.size() && text[i] == '"';
        argument.append(beforeQuote ? slashes / 2 : slashes, '\\');
        // An odd run escapes the quote; an even one leaves it to open or close.
        if (beforeQuote && slashes % 2 == 1) argument += text[i++];
        continue;
      }
      if (text[i] == '"')
        quoted = !quoted;
      else
        argument += text[i];
      ++i;
    }
    arguments.AddTail(CString(argument));
  }
}
