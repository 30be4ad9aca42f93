// The folded form under which key and value names are compared: two names match when their
// folded forms are equal, whatever their case.
#pragma once

#include <string>
#include <string_view>

// Full Unicode case folding of a UTF-8 name; bytes that are not valid UTF-8 fold as ASCII only,
// so that any byte string still has a stable folded form.
std::string VFoldName(std::string_view name);
