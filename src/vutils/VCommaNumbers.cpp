#include "VCommaNumbers.h"

#include <charconv>
#include <string>

namespace {

bool ParseOne(std::string_view part, int64_t& number) {
  auto const [end, error] = std::from_chars(part.data(), part.data() + part.size(), number);
  return error == std::errc() && end == part.data() + part.size();
}

}  // namespace

bool VCommaNumbers::Parse(std::string_view text, std::vector<int64_t>& numbers) {
  std::vector<int64_t> parsed;
  for (;;) {
    size_t const comma = text.find(',');
    int64_t number = 0;
    if (!ParseOne(text.substr(0, comma), number)) return false;
    parsed.push_back(number);
    if (comma == std::string_view::npos) break;
    text.remove_prefix(comma + 1);
  }
  numbers = std::move(parsed);
  return true;
}

VString VCommaNumbers::Join(std::vector<int64_t> const& numbers) {
  std::string text;
  for (int64_t number : numbers) {
    if (!text.empty()) text += ',';
    text += std::to_string(number);
  }
  return text;
}
