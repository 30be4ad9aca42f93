#include "platform/timezone/SystemTime.h"

#include <chrono>

namespace {

using namespace std::chrono;

// The file-time epoch, 1601-01-01, in days before the Unix epoch.
constexpr sys_days kEpoch = sys_days(year(1601) / January / 1);
constexpr int64_t kTicksPerMillisecond = 10000;
constexpr int64_t kTicksPerDay = 864000000000;

bool FieldsInRange(SYSTEMTIME const& in) {
  year_month_day const date{year(in.wYear), month(in.wMonth), day(in.wDay)};
  return in.wYear >= 1601 && in.wYear <= 30827 && date.ok() && in.wHour < 24 && in.wMinute < 60 && in.wSecond < 60 &&
         in.wMilliseconds < 1000;
}

}  // namespace

void GetSystemTimeAsFileTime(FILETIME* now) {
  // In microseconds: the clock's nanoseconds cannot reach back to 1601.
  microseconds const sinceEpoch = duration_cast<microseconds>(system_clock::now().time_since_epoch()) -
                                  duration_cast<microseconds>(kEpoch.time_since_epoch());
  *now = FileTimeFromTicks(static_cast<uint64_t>(sinceEpoch.count() * 10));
}

int CurrentUtcYear() { return static_cast<int>(year_month_day(floor<days>(system_clock::now())).year()); }

bool SystemTimeToFileTime(SYSTEMTIME const* in, FILETIME* out) {
  if (!in || !out || !FieldsInRange(*in)) return false;
  sys_days const date{year_month_day{year(in->wYear), month(in->wMonth), day(in->wDay)}};
  int64_t const milliseconds = ((in->wHour * 60 + in->wMinute) * 60 + in->wSecond) * 1000 + in->wMilliseconds;
  *out = FileTimeFromTicks(
      static_cast<uint64_t>((date - kEpoch).count() * kTicksPerDay + milliseconds * kTicksPerMillisecond));
  return true;
}

bool FileTimeToSystemTime(FILETIME const* in, SYSTEMTIME* out) {
  if (!in || !out) return false;
  uint64_t const ticks = FileTimeTicks(*in);
  if (ticks >> 63) return false;
  sys_days const date = kEpoch + days(static_cast<int64_t>(ticks / kTicksPerDay));
  year_month_day const calendar{date};
  int64_t const milliseconds = static_cast<int64_t>(ticks % kTicksPerDay) / kTicksPerMillisecond;
  out->wYear = static_cast<uint16_t>(static_cast<int>(calendar.year()));
  out->wMonth = static_cast<uint16_t>(static_cast<unsigned>(calendar.month()));
  out->wDay = static_cast<uint16_t>(static_cast<unsigned>(calendar.day()));
  out->wDayOfWeek = static_cast<uint16_t>(weekday(date).c_encoding());
  out->wHour = static_cast<uint16_t>(milliseconds / 3600000);
  out->wMinute = static_cast<uint16_t>(milliseconds / 60000 % 60);
  out->wSecond = static_cast<uint16_t>(milliseconds / 1000 % 60);
  out->wMilliseconds = static_cast<uint16_t>(milliseconds % 1000);
  return true;
}
