#include "platform/timer/SteadyClock.h"

#include <chrono>

uint64_t SteadyClock::NowMilliseconds() const {
  auto const since = std::chrono::steady_clock::now().time_since_epoch();
  return static_cast<uint64_t>(std::chrono::duration_cast<std::chrono::milliseconds>(since).count());
}
