// Where a program named without a folder would be found: the first executable file of that
// name in the folders of PATH. Empty when there is none (or PATH is empty).
#pragma once

#include <string>

std::string FindProgramInPath(std::string const& name);
