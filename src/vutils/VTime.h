// A point in time as the library passes it around: whole seconds since 1970-01-01 00:00 UTC.
#pragma once

#include <cstdint>

using VTime = int64_t;
