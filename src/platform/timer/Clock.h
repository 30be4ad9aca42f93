// A monotonic clock in milliseconds: the time source of the rules that wait, such as a drag
// that opens a folder when the pointer rests on it. The process's clock is the system's steady
// clock until a test installs a fake, so no rule needs a sleep to be tested. No call throws.
#pragma once

#include <cstdint>

class Clock {
 public:
  virtual ~Clock() = default;
  // Milliseconds since an arbitrary start; never goes back.
  virtual uint64_t NowMilliseconds() const = 0;
};

// The process's clock: the steady clock until a host or a test installs another.
Clock& GetClock();
// Installs `clock` (not owned) in place of the default; null restores the default.
void SetClock(Clock* clock);
