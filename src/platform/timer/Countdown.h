// A one-shot wait on the process's clock: started with a length, it is due once that many
// milliseconds have passed. A stopped countdown is never due. A front end polls it from its
// own timer (Remaining() says when to look again); the model decides what happens when due.
#pragma once

#include <cstdint>

class Countdown {
 public:
  // Starts (or restarts) the wait from now.
  void Start(uint64_t milliseconds);
  void Stop() { m_running = false; }
  bool IsRunning() const { return m_running; }
  bool IsDue() const;
  // Milliseconds until due; 0 when due or stopped.
  uint64_t Remaining() const;

 private:
  bool m_running = false;
  uint64_t m_deadline = 0;
};
