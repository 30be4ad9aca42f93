// A GUID as the download page takes it: lower-case hexadecimal groups 8-4-4-4-12 joined by
// hyphens, without braces.
#pragma once

#include <string>

#include "platform/types/WinTypes.h"

std::string GuidText(GUID const& guid);
