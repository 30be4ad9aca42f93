#include <gtest/gtest.h>

#include <cstring>

#include "platform/timezone/IcuZoneRule.h"
#include "support/SystemTimes.h"

namespace {

using Form = ZoneYearRule::Form;

// Settled rules only, so that newer tz data keeps them.
TEST(IcuZoneRuleTest, TransitionsBecomeYearlyOrAbsoluteRules) {
  struct Case { char const* zone; int year; Form form; REG_TZI_FORMAT tzi; };
  SYSTEMTIME const none{};
  Case const cases[] = {
      // Sunday on or after the 8th of March, first Sunday of November; times are the clock
      // just before the change.
      {"America/Los_Angeles", 2026, Form::Yearly, {480, 0, -60, Fields(0, 11, 0, 1, 2), Fields(0, 3, 0, 2, 2)}},
      // Rules given in UTC: 01:00 UTC is 01:00 GMT in March and 02:00 BST in October.
      {"Europe/London", 2026, Form::Yearly, {0, 0, -60, Fields(0, 10, 0, 5, 2), Fields(0, 3, 0, 5, 1)}},
      {"Europe/Berlin", 2027, Form::Yearly, {-60, 0, -60, Fields(0, 10, 0, 5, 3), Fields(0, 3, 0, 5, 2)}},
      // Southern hemisphere: daylight time starts late in the year.
      {"Australia/Sydney", 2026, Form::Yearly, {-600, 0, -60, Fields(0, 4, 0, 1, 3), Fields(0, 10, 0, 1, 2)}},
      {"Australia/Lord_Howe", 2026, Form::Yearly, {-630, 0, -30, Fields(0, 4, 0, 1, 2), Fields(0, 10, 0, 1, 2)}},
      {"Asia/Tokyo", 2026, Form::NoDaylight, {-540, 0, 0, none, none}},
      {"Asia/Kolkata", 2026, Form::NoDaylight, {-330, 0, 0, none, none}},
      // Moscow moved to +04 for good in March 2011 without a daylight change that year.
      {"Europe/Moscow", 2011, Form::NoDaylight, {-240, 0, 0, none, none}},
      // Daylight time ended in March 2009 and did not come back: one change only.
      {"America/Argentina/Buenos_Aires", 2009, Form::Approximated, {180, 0, 0, none, none}},
      // "Friday on or after the 23rd of March" has no week-of-month form.
      {"Asia/Jerusalem", 2026, Form::AbsoluteDates, {-120, 0, -60, Fields(2026, 10, 0, 25, 2), Fields(2026, 3, 5, 27, 2)}},
  };
  for (Case const& c : cases) {
    ZoneYearRule rule;
    ASSERT_TRUE(IcuZoneRule::ForYear(c.zone, c.year, rule)) << c.zone;
    EXPECT_EQ(c.form, rule.form) << c.zone;
    EXPECT_EQ(0, std::memcmp(&c.tzi, &rule.tzi, sizeof rule.tzi))
        << c.zone << " bias " << rule.tzi.Bias << " daylight month " << rule.tzi.DaylightDate.wMonth << " day "
        << rule.tzi.DaylightDate.wDay << " hour " << rule.tzi.DaylightDate.wHour << " standard month "
        << rule.tzi.StandardDate.wMonth << " day " << rule.tzi.StandardDate.wDay << " hour "
        << rule.tzi.StandardDate.wHour;
  }
}

TEST(IcuZoneRuleTest, UnknownZonesAndYearsAreRefused) {
  struct Case { char const* zone; int year; };
  Case const cases[] = {
      {"Nowhere/Zone", 2026}, {"", 2026}, {"Etc/Unknown", 2026}, {"Europe/Paris", 1600}, {"Europe/Paris", 30828}};
  for (Case const& c : cases) {
    ZoneYearRule rule;
    rule.tzi.Bias = 12345;
    EXPECT_FALSE(IcuZoneRule::ForYear(c.zone, c.year, rule)) << c.zone << " " << c.year;
    EXPECT_EQ(12345, rule.tzi.Bias);
  }
}

}  // namespace
