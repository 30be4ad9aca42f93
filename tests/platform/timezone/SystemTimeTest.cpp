#include <gtest/gtest.h>

#include <cstring>

#include "platform/timezone/SystemTime.h"
#include "support/SystemTimes.h"

namespace {

TEST(SystemTimeTest, ValidTimesConvertBothWays) {
  struct Case { SYSTEMTIME time; uint64_t ticks; int dayOfWeek; };
  Case const cases[] = {
      {At(1601, 1, 1), 0, 1}, {At(1970, 1, 1), 116444736000000000ull, 4},
      {At(2024, 2, 29, 23, 59, 59, 999), 133537247999990000ull, 4}, {At(2026, 3, 8, 10), 134174376000000000ull, 0},
      {At(30827, 12, 31, 23, 59, 59, 999), 9223149887999990000ull, 5},
  };
  for (Case const& c : cases) {
    FILETIME file{};
    ASSERT_TRUE(SystemTimeToFileTime(&c.time, &file)) << c.time.wYear;
    EXPECT_EQ(c.ticks, FileTimeTicks(file)) << c.time.wYear;
    SYSTEMTIME back{};
    ASSERT_TRUE(FileTimeToSystemTime(&file, &back));
    SYSTEMTIME expected = c.time;
    expected.wDayOfWeek = static_cast<uint16_t>(c.dayOfWeek);
    EXPECT_EQ(0, std::memcmp(&expected, &back, sizeof back)) << c.time.wYear;
  }
}

TEST(SystemTimeTest, OutOfRangeFieldsAreRefusedAndLeaveTheOutputAlone) {
  SYSTEMTIME const bad[] = {At(1600, 12, 31),   At(30828, 1, 1),      At(2023, 2, 29),          At(2024, 13, 1),
                            At(2024, 0, 1),     At(2024, 4, 31),      At(2024, 1, 0),           At(2024, 1, 1, 24),
                            At(2024, 1, 1, 0, 60), At(2024, 1, 1, 0, 0, 60), At(2024, 1, 1, 0, 0, 0, 1000)};
  for (SYSTEMTIME const& time : bad) {
    FILETIME file{0xdeadbeef, 0xdeadbeef};
    EXPECT_FALSE(SystemTimeToFileTime(&time, &file)) << time.wYear << "-" << time.wMonth << "-" << time.wDay;
    EXPECT_EQ(0xdeadbeefu, file.dwLowDateTime);
  }
  FILETIME const tooLate = FileTimeFromTicks(1ull << 63);
  SYSTEMTIME untouched = At(1999, 9, 9);
  EXPECT_FALSE(FileTimeToSystemTime(&tooLate, &untouched));
  EXPECT_EQ(1999, untouched.wYear);
  EXPECT_FALSE(SystemTimeToFileTime(nullptr, nullptr));
}

TEST(SystemTimeTest, TheClockAgreesWithTheCalendarYear) {
  FILETIME now{};
  GetSystemTimeAsFileTime(&now);
  SYSTEMTIME fields{};
  ASSERT_TRUE(FileTimeToSystemTime(&now, &fields));
  // The two calls may straddle a new year's midnight, never more.
  int const year = CurrentUtcYear();
  EXPECT_TRUE(year == fields.wYear || year == fields.wYear + 1) << year << " " << fields.wYear;
}

}  // namespace
