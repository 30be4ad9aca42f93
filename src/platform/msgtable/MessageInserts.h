// The numbered inserts of a message, as a report holds them: pointer-wide slots, each either a
// number or the address of a zero-terminated string, with a parallel array of kinds.
#pragma once

#include <cstdint>

enum MessageInsertKind : unsigned char { kInsertNumber = 0, kInsertString = 1 };

// unsigned long must hold a string insert's address.
static_assert(sizeof(unsigned long) >= sizeof(uintptr_t));

struct MessageInserts {
  unsigned long const* slots = nullptr;
  unsigned char const* kinds = nullptr;
  int count = 0;

  bool IsString(int index) const { return kinds[index] == kInsertString; }
  unsigned long Number(int index) const { return slots[index]; }
  char const* Text(int index) const {
    char const* text = reinterpret_cast<char const*>(static_cast<uintptr_t>(slots[index]));
    return text ? text : "";
  }
};
