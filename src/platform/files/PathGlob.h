// The paths a shell-style pattern ('*', '?', '[...]') names, sorted;
// none when nothing matches or the pattern cannot be read.
#pragma once

#include <string>
#include <vector>

std::vector<std::string> ExpandPathGlob(std::string const& pattern);
