#include "TzRuleView.h"

#include <cstdio>
#include <cstdlib>

namespace {

char const* const kWeekdays[] = {"Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"};
char const* const kOccurrences[] = {"first", "second", "third", "fourth", "last"};
char const* const kMonths[] = {"January", "February", "March",     "April",   "May",      "June",
                               "July",    "August",   "September", "October", "November", "December"};

std::string Clock(int hour, int minute) {
  char text[16];
  std::snprintf(text, sizeof text, "%02d:%02d", hour, minute);
  return text;
}

}  // namespace

nlohmann::ordered_json TzRuleView::Rule(std::string const& identifier, TIME_ZONE_INFORMATION const& info,
                                        bool isDaylightNow) {
  return {{"identifier", identifier},
          {"bias", info.Bias},
          {"standardBias", info.StandardBias},
          {"daylightBias", info.DaylightBias},
          {"standardDate", Date(info.StandardDate)},
          {"daylightDate", Date(info.DaylightDate)},
          {"isDaylightNow", isDaylightNow}};
}

std::string TzRuleView::PlainRule(nlohmann::ordered_json const& rule) {
  std::string text = "identifier:     " + rule["identifier"].get<std::string>() + "\n";
  text += "bias:           " + rule["bias"].dump() + "\n";
  text += "standard bias:  " + rule["standardBias"].dump() + "\n";
  text += "daylight bias:  " + rule["daylightBias"].dump() + "\n";
  text += "standard date:  " + PlainDate(rule["standardDate"]) + "\n";
  text += "daylight date:  " + PlainDate(rule["daylightDate"]) + "\n";
  text += std::string("daylight now:   ") + (rule["isDaylightNow"].get<bool>() ? "yes" : "no") + "\n";
  return text;
}

std::string TzRuleView::UtcOffset(int hours, int minutes) {
  int const east = -(hours * 60 + minutes);
  char text[16];
  std::snprintf(text, sizeof text, "UTC%c%02d:%02d", east < 0 ? '-' : '+', std::abs(east) / 60, std::abs(east) % 60);
  return text;
}

std::string TzRuleView::DateTime(SYSTEMTIME const& time) {
  char text[32];
  std::snprintf(text, sizeof text, "%04d-%02d-%02d ", time.wYear, time.wMonth, time.wDay);
  return text + Clock(time.wHour, time.wMinute);
}

nlohmann::ordered_json TzRuleView::Date(SYSTEMTIME const& date) {
  return {{"year", date.wYear}, {"month", date.wMonth}, {"dayOfWeek", date.wDayOfWeek},
          {"day", date.wDay},   {"hour", date.wHour},   {"minute", date.wMinute}};
}

std::string TzRuleView::PlainDate(nlohmann::ordered_json const& date) {
  int const month = date["month"].get<int>();
  int const dayOfWeek = date["dayOfWeek"].get<int>();
  int const day = date["day"].get<int>();
  std::string const clock = Clock(date["hour"].get<int>(), date["minute"].get<int>());
  if (month < 1 || month > 12) return "none";
  if (date["year"].get<int>() != 0) {
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d ", date["year"].get<int>(), month, day);
    return text + clock;
  }
  if (dayOfWeek > 6 || day < 1) return "invalid rule";
  return std::string(kOccurrences[std::min(day, 5) - 1]) + " " + kWeekdays[dayOfWeek] + " of " + kMonths[month - 1] +
         " at " + clock;
}
