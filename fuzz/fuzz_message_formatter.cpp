// Message texts and insert lists from anywhere: formatting must succeed or refuse, never crash
// nor read past its inserts.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "platform/msgtable/MessageFormatter.h"
#include "platform/msgtable/MessageInserts.h"

extern "C" int LLVMFuzzerTestOneInput(uint8_t const* data, size_t size) {
  if (size < 2) return 0;
  static char const* const texts[] = {"abc", "", "%1%2%3", "\xff\xfe"};
  unsigned long slots[4];
  unsigned char kinds[4];
  // The first byte chooses how many inserts and their kinds, the second the flags.
  int const count = data[0] & 3;
  for (int i = 0; i < count; ++i) {
    bool const text = (data[0] >> (2 + i)) & 1;
    kinds[i] = text ? kInsertString : kInsertNumber;
    slots[i] = text ? reinterpret_cast<uintptr_t>(texts[i]) : 0xFFFFFFF0ul + static_cast<unsigned long>(i);
  }
  MessageInserts const inserts{slots, kinds, count};
  std::string_view const pattern(reinterpret_cast<char const*>(data + 2), size - 2);
  std::string out;
  MessageFormatter(pattern, inserts, data[1] & 3).Format(out);
  return 0;
}
