// A countdown on the fake clock: due exactly when its length has passed, never when stopped.
#include <gtest/gtest.h>

#include "platform/timer/Countdown.h"
#include "support/FakeClock.h"

namespace {

TEST(CountdownTest, IsDueExactlyWhenItsLengthHasPassed) {
  FakeClock clock;
  Countdown countdown;
  EXPECT_FALSE(countdown.IsDue()) << "never started";
  countdown.Start(750);
  struct Step { uint64_t advance; bool due; uint64_t remaining; };
  for (Step const& step : {Step{0, false, 750}, Step{749, false, 1}, Step{1, true, 0}, Step{5000, true, 0}}) {
    clock.Advance(step.advance);
    EXPECT_EQ(countdown.IsDue(), step.due);
    EXPECT_EQ(countdown.Remaining(), step.remaining);
  }
  countdown.Start(10);
  EXPECT_FALSE(countdown.IsDue()) << "a restart waits again";
  countdown.Stop();
  clock.Advance(10);
  EXPECT_FALSE(countdown.IsDue());
  EXPECT_EQ(countdown.Remaining(), 0u);
}

}  // namespace
