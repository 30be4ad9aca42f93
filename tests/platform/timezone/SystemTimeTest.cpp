#include <gtest/gtest.h>

#include <cstring>

#include "platform/timezone/SystemTime.h"

namespace {

SYSTEMTIME Time(int year, int month, int day, int hour = 0, int minute = 0, int second = 0, int millis = 0) {
  return SYSTEMTIME{static_cast<uint16_t>(year),   static_cast<uint16_t>(month), 0,
                    static_cast<uint16_t>(day),    static_cast<uint16_t>(hour),  static_cast<uint16_t>(minute),
                    static_cast<uint16_t>(second), static_cast<uint16_t>(millis)};
}

TEST(SystemTimeTest, ValidTimesConvertBothWays) {
  struct Case {
    SYSTEMTIME time;
    uint64_t ticks;
    int dayOfWeek;
  };
  Case const cases[] = {
      {Time(1601, 1, 1), 0, 1},
      {Time(1970, 1, 1), 116444736000000000ull, 4},
      {Time(2024, 2, 29, 23, 59, 59, 999), 133537247999990000ull, 4},
      {Time(2026, 3, 8, 10), 134174376000000000ull, 0},
      {Time(30827, 12, 31, 23, 59, 59, 999), 9223149887999990000ull, 5},
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
  SYSTEMTIME const bad[] = {Time(1600, 12, 31),
                            Time(30828, 1, 1),
                            Time(2023, 2, 29),
                            Time(2024, 13, 1),
                            Time(2024, 0, 1),
                            Time(2024, 4, 31),
                            Time(2024, 1, 0),
                            Time(2024, 1, 1, 24),
                            Time(2024, 1, 1, 0, 60),
                            Time(2024, 1, 1, 0, 0, 60),
                            Time(2024, 1, 1, 0, 0, 0, 1000)};
  for (SYSTEMTIME const& time : bad) {
    FILETIME file{0xdeadbeef, 0xdeadbeef};
    EXPECT_FALSE(SystemTimeToFileTime(&time, &file)) << time.wYear << "-" << time.wMonth << "-" << time.wDay;
    EXPECT_EQ(0xdeadbeefu, file.dwLowDateTime);
  }
  FILETIME const tooLate = FileTimeFromTicks(1ull << 63);
  SYSTEMTIME untouched = Time(1999, 9, 9);
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
