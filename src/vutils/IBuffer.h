// A reference-counted, growable byte buffer through which serialised data is handed to callers.
// Release the reference you were given; the buffer goes with the last one.
#pragma once

#include "platform/types/WinTypes.h"

struct IBuffer : IUnknown {
  virtual unsigned char* Data() = 0;
  virtual unsigned char const* Data() const = 0;
  virtual unsigned int Capacity() const = 0;
  virtual unsigned int Length() const = 0;
  // Clamps to the capacity; beyond it (or below 0) sets the last error and returns false.
  virtual bool SetLength(int n) = 0;
  // Appends `count` bytes (none copied when `data` is empty), growing by `extra` more when it
  // must grow; returns the appended region, or null when the memory cannot be had.
  virtual void* Append(void const* data, unsigned int count, unsigned int extra) = 0;

 protected:
  virtual ~IBuffer() = default;
};
