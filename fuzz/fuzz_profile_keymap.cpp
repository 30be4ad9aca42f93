// Stored profile keymaps from anywhere: the reader must take what is whole, never read past the
// value, and never hold a code outside the vocabulary.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "VMemoryStoreFactory.h"
#include "VProfileKey.h"
#include "VProfileStore.h"
#include "terminal/ProfileKeymap.h"
#include "terminal/ProfileKeymapFormat.h"

extern "C" int LLVMFuzzerTestOneInput(uint8_t const* data, size_t size) {
  static VMemoryStoreFactory factory;
  VProfileStore store(&factory);
  VProfileKey* key = store.Root();
  key->SetBinary("Keymap", data, static_cast<unsigned long>(size));
  ProfileKeymap keymap;
  keymap.Load(key, "Keymap");
  for (int index = 0; index < Keymap::kIndexCount; ++index)
    if (keymap.GetKeyCode(index) < 0 || keymap.GetKeyCode(index) >= Keymap::kCodeCount) std::abort();
  // What was read must write back within the size limit.
  if (ProfileKeymapFormat::Serialize(keymap).size() > ProfileKeymapFormat::kMaxBytes) std::abort();
  return 0;
}
