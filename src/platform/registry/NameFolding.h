// Case folding of key and value names, so that names compare without regard to case in any
// script. Names that are not valid UTF-8 fold byte-wise in the ASCII range only.
#pragma once

#include <string>
#include <string_view>

std::string FoldName(std::string_view name);
