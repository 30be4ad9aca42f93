#include "platform/registry/RegStatusText.h"

#include "platform/registry/Registry.h"

std::string RegStatusText::Describe(LSTATUS status) {
  switch (status) {
    case ERROR_SUCCESS: return "success";
    case ERROR_FILE_NOT_FOUND: return "not found";
    case ERROR_ACCESS_DENIED: return "access denied";
    case ERROR_INVALID_HANDLE: return "invalid key handle";
    case ERROR_NOT_ENOUGH_MEMORY: return "not enough memory";
    case ERROR_INVALID_PARAMETER: return "invalid name (key name parts are 1 to 255 bytes, value names at most 16,383)";
    case ERROR_BUSY: return "the hive is locked by another program";
    case ERROR_MORE_DATA: return "more data than expected";
    case ERROR_BADDB: return "the hive file is damaged or not a hive";
    case ERROR_BADKEY: return "too deep: keys lie at most " + std::to_string(kRegMaxKeyDepth) + " levels below their hive's root";
    case ERROR_KEY_DELETED: return "the key was deleted";
    case ERROR_WRITE_PROTECT: return "the hive file is read-only";
    default: return "registry error " + std::to_string(status);
  }
}
