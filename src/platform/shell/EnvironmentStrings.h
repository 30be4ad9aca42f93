// Expansion of %NAME% references to environment variables, as in registered icon and command
// paths. A reference to an unset variable, and a lone "%", stay as written.
#pragma once

#include <string>
#include <string_view>

std::string ExpandEnvironmentStrings(std::string_view text);
