#include "platform/notify/RegisteredMessages.h"

#include <cstdint>
#include <vector>

#include "platform/registry/Registry.h"

namespace {

constexpr char const* kMessagesKey = "SOFTWARE\\Brimvale\\Registered Messages";
constexpr uint32_t kFirstMessage = 0xC000;
constexpr uint32_t kLastMessage = 0xFFFF;

uint32_t ReadId(HKEY key, char const* name) {
  uint32_t id = 0;
  unsigned long type = 0;
  unsigned long size = sizeof(id);
  if (RegQueryValueEx(key, name, nullptr, &type, reinterpret_cast<unsigned char*>(&id), &size) != ERROR_SUCCESS ||
      type != REG_DWORD || size != sizeof(id))
    return 0;
  return id;
}

// The highest identifier handed out so far; 0 when none is.
uint32_t HighestId(HKEY key) {
  uint32_t highest = 0;
  std::vector<char> name(16384);
  for (unsigned long index = 0;; ++index) {
    unsigned long length = static_cast<unsigned long>(name.size());
    uint32_t id = 0;
    unsigned long type = 0;
    unsigned long size = sizeof(id);
    LSTATUS const rc = RegEnumValue(key, index, name.data(), &length, nullptr, &type,
                                    reinterpret_cast<unsigned char*>(&id), &size);
    if (rc == ERROR_NO_MORE_ITEMS) return highest;
    if (rc == ERROR_SUCCESS && type == REG_DWORD && id > highest) highest = id;
  }
}

uint32_t AssignId(HKEY key, char const* name) {
  uint32_t const highest = HighestId(key);
  uint32_t const id = highest < kFirstMessage ? kFirstMessage : highest + 1;
  if (id > kLastMessage) return 0;
  bool const written = RegSetValueEx(key, name, 0, REG_DWORD, reinterpret_cast<unsigned char const*>(&id),
                                     sizeof(id)) == ERROR_SUCCESS;
  return written ? id : 0;
}

}  // namespace

unsigned int RegisterWindowMessage(char const* name) {
  if (!name || !*name) return 0;
  HKEY key = nullptr;
  if (RegCreateKeyEx(HKEY_CURRENT_USER, kMessagesKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr) !=
      ERROR_SUCCESS)
    return 0;
  // The write lock is taken first, so that the look-up and the assignment see the same names.
  bool const locked = RegBeginUnitOfWork(key, true) == ERROR_SUCCESS;
  uint32_t id = locked ? ReadId(key, name) : 0;
  if (locked && id == 0) id = AssignId(key, name);
  if (locked) RegEndUnitOfWork(key, id != 0);
  RegCloseKey(key);
  return id;
}
