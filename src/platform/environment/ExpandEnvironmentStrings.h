// Expands environment references written %NAME% the way the platform's expansion does: a name
// that is set is replaced by its value, anything else (an unset name, an empty name, a lone or
// unpaired percent sign) stays as written. Reads the process environment; no other state.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// The expansion of `text`, at most `maxLength` bytes long: a longer result is cut there, without
// splitting a UTF-8 character.
std::string ExpandEnvironmentStrings(std::string_view text, size_t maxLength);
