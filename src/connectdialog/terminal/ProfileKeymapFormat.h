// The stored form of a session's keymap: one binary value of at most 32000 bytes, big-endian:
// a 4-byte record count, then per record a 4-byte key index, the function name and the value,
// each ending in a NUL byte.
#pragma once

#include <cstddef>
#include <vector>

class Keymap;

class ProfileKeymapFormat {
 public:
  static constexpr size_t kMaxBytes = 32000;

  enum class ParseResult {
    TooShort,      // not even a record count
    Complete,      // exactly the counted records, each ended, known and within the keymap
    Irregular,     // every record present was read, but the form is not whole: fewer or more
                   // records than counted, a string that runs to the end, an unknown function
                   // or an index outside the keymap (those records skipped)
    BrokenRecord,  // the data ends inside a record's index; the records before it were applied
  };

  // A record for every index whose code, through the fallback chain, is non-zero, ascending.
  // Records that would take the form past 32000 bytes are left out, with all after them.
  // Values end at their first NUL byte.
  static std::vector<unsigned char> Serialize(Keymap const& keymap);
  // Applies the records to `keymap` (code and value), skipping unknown or NONE functions and
  // indices outside the keymap. Reads nothing beyond `size` bytes.
  static ParseResult Parse(unsigned char const* data, size_t size, Keymap& keymap);
};
