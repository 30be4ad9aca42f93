#include "platform/dynlib/DynamicLibrary.h"

#include "platform/dynlib/PosixDynamicLibrary.h"

DynamicLibrary& GetDynamicLibrary() {
  static PosixDynamicLibrary posix;
  return posix;
}
