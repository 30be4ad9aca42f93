// How `cdtool tz` shows zones and rules: JSON objects with stable field names and plain text.
#pragma once

#include <nlohmann/json.hpp>
#include <string>

#include "platform/types/TimeTypes.h"

class TzRuleView {
 public:
  // {"identifier","bias","standardBias","daylightBias","standardDate":DATE,"daylightDate":DATE,
  //  "isDaylightNow"}, DATE being {"year","month","dayOfWeek","day","hour","minute"}.
  static nlohmann::ordered_json Rule(std::string const& identifier, TIME_ZONE_INFORMATION const& info,
                                     bool isDaylightNow);
  static std::string PlainRule(nlohmann::ordered_json const& rule);
  // An offset of GetOffset's hours and minutes (UTC = local + offset) as "UTC-08:00".
  static std::string UtcOffset(int hours, int minutes);
  // "2026-03-08 02:00".
  static std::string DateTime(SYSTEMTIME const& time);

 private:
  static nlohmann::ordered_json Date(SYSTEMTIME const& date);
  static std::string PlainDate(nlohmann::ordered_json const& date);
};
