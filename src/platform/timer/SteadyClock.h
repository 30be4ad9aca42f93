// The system's monotonic clock, unaffected by changes of the wall-clock time.
#pragma once

#include "platform/timer/Clock.h"

class SteadyClock : public Clock {
 public:
  uint64_t NowMilliseconds() const override;
};
