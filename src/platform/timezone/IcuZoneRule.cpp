#include "platform/timezone/IcuZoneRule.h"

#include <unicode/basictz.h>
#include <unicode/dtrule.h>
#include <unicode/timezone.h>
#include <unicode/tzrule.h>
#include <unicode/tztrans.h>

#include <chrono>
#include <cmath>
#include <memory>
#include <vector>

namespace {

using namespace std::chrono;

constexpr double kMillisPerDay = 86400000.0;
constexpr int32_t kMillisPerMinute = 60000;

// A change between standard and daylight time.
struct Flip {
  SYSTEMTIME wall;  // the local clock just before the change
  int week;         // the yearly occurrence that gives wall's day, 0 when none does
  int32_t toRaw;    // milliseconds
  int32_t toDaylight;
};

UDate YearStart(int year) {
  return sys_days(std::chrono::year(year) / January / 1).time_since_epoch().count() * kMillisPerDay;
}

unsigned MonthLength(int year, unsigned month) {
  return static_cast<unsigned>(
      (year_month_day_last(std::chrono::year(year), month_day_last(std::chrono::month(month)))).day());
}

// The local clock fields of `utc` in a zone `offset` milliseconds east of UTC.
SYSTEMTIME WallTime(UDate utc, int32_t offset) {
  double const local = utc + offset;
  double const dayNumber = std::floor(local / kMillisPerDay);
  auto const millis = static_cast<int32_t>(local - dayNumber * kMillisPerDay);
  sys_days const date{days(static_cast<int64_t>(dayNumber))};
  year_month_day const calendar{date};
  return SYSTEMTIME{static_cast<uint16_t>(static_cast<int>(calendar.year())),
                    static_cast<uint16_t>(static_cast<unsigned>(calendar.month())),
                    static_cast<uint16_t>(weekday(date).c_encoding()),
                    static_cast<uint16_t>(static_cast<unsigned>(calendar.day())),
                    static_cast<uint16_t>(millis / 3600000),
                    static_cast<uint16_t>(millis / 60000 % 60),
                    static_cast<uint16_t>(millis / 1000 % 60),
                    static_cast<uint16_t>(millis % 1000)};
}

// The week of ICU's date rule (1-4, 5 the last), 0 when the rule has no such form.
int RuleWeek(icu::DateTimeRule const& rule, unsigned monthLength, bool february) {
  int const dom = rule.getRuleDayOfMonth();
  switch (rule.getDateRuleType()) {
    case icu::DateTimeRule::DOW:
      if (rule.getRuleWeekInMonth() == -1) return 5;
      return rule.getRuleWeekInMonth() >= 1 && rule.getRuleWeekInMonth() <= 4 ? rule.getRuleWeekInMonth() : 0;
    case icu::DateTimeRule::DOW_GEQ_DOM:
      if (dom % 7 == 1 && dom <= 22) return (dom + 6) / 7;
      return !february && dom == static_cast<int>(monthLength) - 6 ? 5 : 0;
    case icu::DateTimeRule::DOW_LEQ_DOM:
      if (dom % 7 == 0 && dom <= 28) return dom / 7;
      return !february && dom == static_cast<int>(monthLength) ? 5 : 0;
    default:
      return 0;
  }
}

// The occurrence to store for a transition on the local date `wall`, taken from the annual rule
// that ICU gives for it; 0 when there is none or when its week form names another day (a rule
// time in UTC or standard time can move the local date).
int TransitionWeek(icu::TimeZoneRule const* to, SYSTEMTIME const& wall) {
  auto const* annual = dynamic_cast<icu::AnnualTimeZoneRule const*>(to);
  if (!annual) return 0;
  icu::DateTimeRule const& rule = *annual->getRule();
  if (rule.getRuleMonth() + 1 != wall.wMonth || rule.getRuleDayOfWeek() - 1 != wall.wDayOfWeek) return 0;
  unsigned const length = MonthLength(wall.wYear, wall.wMonth);
  int const week = RuleWeek(rule, length, wall.wMonth == 2);
  if (week == 5) return wall.wDay + 7u > length ? 5 : 0;
  return week != 0 && (wall.wDay + 6) / 7 == week ? week : 0;
}

std::vector<Flip> DaylightFlips(icu::BasicTimeZone const& zone, int year) {
  std::vector<Flip> flips;
  UDate const end = YearStart(year + 1) + 2 * kMillisPerDay;
  icu::TimeZoneTransition transition;
  for (UDate after = YearStart(year) - 2 * kMillisPerDay;
       zone.getNextTransition(after, false, transition) && transition.getTime() < end; after = transition.getTime()) {
    icu::TimeZoneRule const* from = transition.getFrom();
    icu::TimeZoneRule const* to = transition.getTo();
    SYSTEMTIME const wall = WallTime(transition.getTime(), from->getRawOffset() + from->getDSTSavings());
    bool const flipped = (from->getDSTSavings() == 0) != (to->getDSTSavings() == 0);
    if (flipped && wall.wYear == year)
      flips.push_back({wall, TransitionWeek(to, wall), to->getRawOffset(), to->getDSTSavings()});
  }
  return flips;
}

void SetStandardOnly(icu::TimeZone const& zone, int year, ZoneYearRule::Form form, ZoneYearRule& rule) {
  int32_t raw = 0;
  int32_t daylight = 0;
  UErrorCode status = U_ZERO_ERROR;
  zone.getOffset(YearStart(year + 1) - 1, false, raw, daylight, status);
  rule = ZoneYearRule{};
  rule.tzi.Bias = -(raw + daylight) / kMillisPerMinute;
  rule.form = form;
}

void SetDaylight(Flip const& start, Flip const& stop, ZoneYearRule& rule) {
  SYSTEMTIME daylightDate = start.wall;
  SYSTEMTIME standardDate = stop.wall;
  rule = ZoneYearRule{};
  rule.form = start.week && stop.week ? ZoneYearRule::Form::Yearly : ZoneYearRule::Form::AbsoluteDates;
  if (rule.form == ZoneYearRule::Form::Yearly) {
    daylightDate.wYear = standardDate.wYear = 0;
    daylightDate.wDay = static_cast<uint16_t>(start.week);
    standardDate.wDay = static_cast<uint16_t>(stop.week);
  }
  rule.tzi.Bias = -stop.toRaw / kMillisPerMinute;
  rule.tzi.DaylightBias = -start.toDaylight / kMillisPerMinute;
  rule.tzi.DaylightDate = daylightDate;
  rule.tzi.StandardDate = standardDate;
}

}  // namespace

bool IcuZoneRule::ForYear(std::string const& zoneId, int year, ZoneYearRule& rule) {
  if (year < 1601 || year > 30827) return false;
  std::unique_ptr<icu::TimeZone> zone(icu::TimeZone::createTimeZone(icu::UnicodeString::fromUTF8(zoneId)));
  icu::UnicodeString id;
  auto const* basic = dynamic_cast<icu::BasicTimeZone const*>(zone.get());
  if (!basic || zone->getID(id) == icu::UnicodeString(UCAL_UNKNOWN_ZONE_ID)) return false;
  std::vector<Flip> const flips = DaylightFlips(*basic, year);
  if (flips.empty()) {
    SetStandardOnly(*zone, year, ZoneYearRule::Form::NoDaylight, rule);
    return true;
  }
  bool const oneEach = flips.size() == 2 && (flips[0].toDaylight == 0) != (flips[1].toDaylight == 0);
  bool const sameRaw = oneEach && flips[0].toRaw == flips[1].toRaw;
  if (!sameRaw) {
    SetStandardOnly(*zone, year, ZoneYearRule::Form::Approximated, rule);
    return true;
  }
  bool const startsFirst = flips[0].toDaylight != 0;
  SetDaylight(startsFirst ? flips[0] : flips[1], startsFirst ? flips[1] : flips[0], rule);
  return true;
}
