// A clock that stands still until a test moves it, installed as the process's clock for its
// lifetime: timed rules are tested by Advance() instead of sleeps.
#pragma once

#include <cstdint>

#include "platform/timer/Clock.h"

class FakeClock : public Clock {
 public:
  FakeClock() { SetClock(this); }
  ~FakeClock() override { SetClock(nullptr); }
  FakeClock(FakeClock const&) = delete;
  FakeClock& operator=(FakeClock const&) = delete;

  uint64_t NowMilliseconds() const override { return m_now; }
  void Advance(uint64_t milliseconds) { m_now += milliseconds; }

 private:
  uint64_t m_now = 1000;
};
