// Several results as one line "a|b|c", so that a test compares a whole result in one assertion
// and a failure shows every field. A null text reads "(null)", a boolean 0 or 1, a byte its number.
#pragma once

#include <sstream>
#include <string>
#include <type_traits>

template <typename... Values>
std::string Joined(Values const&... values) {
  std::ostringstream out;
  char const* separator = "";
  auto const put = [&](auto const& value) {
    using Value = std::remove_cvref_t<decltype(value)>;
    out << separator;
    separator = "|";
    if constexpr (std::is_same_v<Value, unsigned char> || std::is_same_v<Value, signed char>) {
      out << static_cast<int>(value);
    } else if constexpr (std::is_array_v<Value>) {
      out << value;
    } else if constexpr (std::is_convertible_v<Value, char const*>) {
      char const* text = value;
      out << (text ? text : "(null)");
    } else {
      out << value;
    }
  };
  (put(values), ...);
  return out.str();
}
