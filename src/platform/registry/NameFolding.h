// Case folding of key and value names, so that names compare without regard to case in any
// script. Names that are not valid UTF-8 fold byte-wise in the ASCII range only.
#pragma once

#include <string>
#include <string_view>

std::string FoldName(std::string_view name);
// The same folding into `scratch`, whose room is reused from call to call: a lookup by name
// then costs no allocation. The view lasts until `scratch` changes.
std::string_view FoldName(std::string_view name, std::string& scratch);
