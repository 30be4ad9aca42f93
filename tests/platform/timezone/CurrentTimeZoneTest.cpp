#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "platform/timezone/CurrentTimeZone.h"
#include "support/ScopedEnv.h"

namespace {

TEST(CurrentTimeZoneTest, FollowsTheProcessTimeZone) {
  struct Case { char const* tz; int bias; int daylightMonth; char16_t const* standardName; };
  Case const cases[] = {
      {"America/New_York", 300, 3, u"Eastern Standard Time"},
      // Names keep 31 characters and the terminator.
      {":Australia/Sydney", -600, 10, u"Australian Eastern Standard Tim"},
      {"Asia/Kolkata", -330, 0, u"India Standard Time"}, {"UTC", 0, 0, u"Coordinated Universal Time"},
  };
  for (Case const& c : cases) {
    ScopedEnv const tz("TZ", c.tz);
    TIME_ZONE_INFORMATION info;
    std::memset(&info, 0xAB, sizeof info);
    uint32_t const answer = GetTimeZoneInformation(&info);
    EXPECT_EQ(c.bias, info.Bias) << c.tz;
    EXPECT_EQ(c.daylightMonth, info.DaylightDate.wMonth) << c.tz;
    EXPECT_EQ(std::u16string(c.standardName), std::u16string(info.StandardName)) << c.tz;
    if (c.daylightMonth == 0)
      EXPECT_EQ(TIME_ZONE_ID_UNKNOWN, answer) << c.tz;
    else
      EXPECT_TRUE(answer == TIME_ZONE_ID_STANDARD || answer == TIME_ZONE_ID_DAYLIGHT) << c.tz;
  }
  EXPECT_EQ(TIME_ZONE_ID_INVALID, GetTimeZoneInformation(nullptr));
}

}  // namespace
