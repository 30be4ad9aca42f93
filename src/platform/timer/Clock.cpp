#include "platform/timer/Clock.h"

#include "platform/service/InstalledService.h"
#include "platform/timer/SteadyClock.h"

using InstalledClock = InstalledService<Clock, SteadyClock>;

Clock& GetClock() { return InstalledClock::Get(); }

void SetClock(Clock* clock) { InstalledClock::Install(clock); }
