// The action codes of keymap entries by name: KeymapCode::SEND, KeymapCode::VT_PF1, ... Each
// is its function's position in KeymapFunctions.inc, the same list that Keymap::code_table is
// built from, so names and codes cannot drift apart.
#pragma once

struct KeymapCode {
  enum : int {
#define KEYMAP_FUNCTION(name) name,
#include "terminal/KeymapFunctions.inc"
#undef KEYMAP_FUNCTION
    Count
  };
};

static_assert(KeymapCode::Count == 138);
