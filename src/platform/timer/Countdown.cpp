#include "platform/timer/Countdown.h"

#include "platform/timer/Clock.h"

void Countdown::Start(uint64_t milliseconds) {
  m_deadline = GetClock().NowMilliseconds() + milliseconds;
  m_running = true;
}

bool Countdown::IsDue() const { return m_running && GetClock().NowMilliseconds() >= m_deadline; }

uint64_t Countdown::Remaining() const {
  if (!m_running) return 0;
  uint64_t const now = GetClock().NowMilliseconds();
  return now >= m_deadline ? 0 : m_deadline - now;
}
