#include "TimeZone.h"

#include <strings.h>

#include <algorithm>
#include <chrono>
#include <cstring>
#include <memory>
#include <string>
#include <string_view>
#include <utility>

#include "TimeZoneKeyReader.h"
#include "platform/registry/NameFolding.h"
#include "platform/registry/Registry.h"
#include "platform/timezone/CurrentTimeZone.h"
#include "platform/timezone/SystemTime.h"
#include "platform/timezone/TimeZoneListBuilder.h"
#include "platform/timezone/TimeZoneListWriter.h"

namespace {

// Subkey names of up to 31 characters; longer ones are passed over.
constexpr unsigned long kNameBufferSize = 32;

struct AbbreviationGroup {
  std::initializer_list<char const*> abbreviations;
  char const* prefix;
};

AbbreviationGroup const kAbbreviations[] = {
    {{"CUT", "UTC", "GMT", "UT"}, "GMT Standard"}, {{"AST", "ADT"}, "Atlantic Standard"},
    {{"EST", "EDT"}, "Eastern Standard"},          {{"CST", "CDT"}, "Central Standard"},
    {{"MST", "MDT"}, "Mountain Standard"},         {{"PST", "PDT"}, "Pacific Standard"},
    {{"YST", "YDT"}, "Alaskan Standard"},          {{"HST", "HDT"}, "Hawaiian Standard"},
};

char const* AbbreviationPrefix(char const* abbreviation) {
  for (AbbreviationGroup const& group : kAbbreviations)
    for (char const* candidate : group.abbreviations)
      if (strcasecmp(candidate, abbreviation) == 0) return group.prefix;
  return nullptr;
}

// A yearly rule's instant through GetSpecificDate, an absolute date as it stands.
bool TransitionTime(int year, SYSTEMTIME const& date, FILETIME& out) {
  if (date.wYear == 0) return TimeZone::GetSpecificDate(year, date, out) == 1;
  return SystemTimeToFileTime(&date, &out);
}

}  // namespace

TimeZone::TimeZone() { LoadTimeZones(); }

TimeZone::~TimeZone() = default;

int TimeZone::TimeZoneCount() const { return static_cast<int>(m_zones.size()); }

char const* TimeZone::Identifier(int index) const {
  return index >= 0 && index < TimeZoneCount() ? m_zones[static_cast<size_t>(index)].identifier.c_str() : nullptr;
}

char const* TimeZone::Description(int index) const {
  return index >= 0 && index < TimeZoneCount() ? m_zones[static_cast<size_t>(index)].description.c_str() : nullptr;
}

char const* TimeZone::Identifier(char const* abbreviation) const {
  char const* prefix = abbreviation ? AbbreviationPrefix(abbreviation) : nullptr;
  if (!prefix) return nullptr;
  size_t const length = std::strlen(prefix);
  for (TimeZoneValues const& zone : m_zones)
    if (zone.identifier.Length() >= length && strncasecmp(zone.identifier.c_str(), prefix, length) == 0)
      return zone.identifier.c_str();
  return nullptr;
}

char const* TimeZone::Label(char const* identifier) const {
  int const index = IdentifierIndex(identifier);
  if (index < 0) return nullptr;
  TimeZoneValues const& zone = m_zones[static_cast<size_t>(index)];
  return IsInDaylightSavingTime(zone.rule) ? zone.daylightLabel.c_str() : zone.standardLabel.c_str();
}

int TimeZone::GetTimeZoneInformation(char const* identifier, TIME_ZONE_INFORMATION& info, int& isDaylight) const {
  if (!identifier || !*identifier) {
    ::GetTimeZoneInformation(&info);
    return 1;
  }
  int const index = IdentifierIndex(identifier);
  if (index < 0) return 0;
  info = m_zones[static_cast<size_t>(index)].rule;
  isDaylight = IsInDaylightSavingTime(info) ? 1 : 0;
  return 1;
}

int TimeZone::GetOffset(TIME_ZONE_INFORMATION const& info, int& hours, int& minutes, int mode) {
  bool const daylight = mode > 0 || (mode < 0 && IsInDaylightSavingTime(info));
  int const total = info.Bias + (daylight ? info.DaylightBias : info.StandardBias);
  hours = total / 60;
  minutes = total % 60;
  return 1;
}

int TimeZone::GetSpecificDate(int year, SYSTEMTIME const& rule, FILETIME& out) {
  using namespace std::chrono;
  year_month const month{std::chrono::year(year), std::chrono::month(rule.wMonth)};
  if (!month.ok()) return 0;
  unsigned const length = static_cast<unsigned>(year_month_day_last(month.year(), month_day_last(month.month())).day());
  SYSTEMTIME date = rule;
  date.wYear = static_cast<uint16_t>(year);
  int count = 0;
  for (unsigned day = 1; day <= length && (count == 0 || count != rule.wDay); ++day) {
    if (weekday(sys_days(month / std::chrono::day(day))).c_encoding() != rule.wDayOfWeek) continue;
    ++count;
    date.wDay = static_cast<uint16_t>(day);
  }
  if (count == 0) return 0;
  return SystemTimeToFileTime(&date, &out) ? 1 : 0;
}

bool TimeZone::IsInDaylightSavingTime(TIME_ZONE_INFORMATION const& info) {
  FILETIME now;
  GetSystemTimeAsFileTime(&now);
  return IsInDaylightSavingTime(info, now);
}

bool TimeZone::IsInDaylightSavingTime(TIME_ZONE_INFORMATION const& info, FILETIME const& utcNow) {
  if (info.DaylightDate.wMonth == 0 || info.StandardDate.wMonth == 0) return false;
  int64_t const local = static_cast<int64_t>(FileTimeTicks(utcNow)) -
                        static_cast<int64_t>(info.Bias + info.StandardBias) * kFileTimeTicksPerMinute;
  FILETIME const localNow = FileTimeFromTicks(static_cast<uint64_t>(local));
  SYSTEMTIME fields{};
  FILETIME daylightStart{};
  FILETIME standardStart{};
  if (local < 0 || !FileTimeToSystemTime(&localNow, &fields) ||
      !TransitionTime(fields.wYear, info.DaylightDate, daylightStart) ||
      !TransitionTime(fields.wYear, info.StandardDate, standardStart))
    return false;
  uint64_t const now = FileTimeTicks(localNow);
  uint64_t const daylight = FileTimeTicks(daylightStart);
  uint64_t const standard = FileTimeTicks(standardStart);
  // Southern hemisphere: daylight time spans the turn of the year.
  if (daylight > standard) return now < standard || now >= daylight;
  return now >= daylight && now < standard;
}

void TimeZone::LoadTimeZones() {
  // A user who may not write the machine hive (anyone but root, by default) cannot bring the
  // stored list up to date, so the same list is built here without storing it.
  if (TimeZoneListWriter().EnsureWritten() == ERROR_SUCCESS)
    LoadStoredList();
  else
    LoadBuiltList();
}

void TimeZone::LoadStoredList() {
  HKEY list = nullptr;
  if (RegOpenKeyEx(HKEY_LOCAL_MACHINE, TimeZoneListWriter::kKeyPath, 0, KEY_READ, &list) != ERROR_SUCCESS) return;
  std::unique_ptr<HKEY__, decltype(&RegCloseKey)> const holder(list, &RegCloseKey);
  for (unsigned long index = 0;; ++index) {
    char name[kNameBufferSize];
    unsigned long length = kNameBufferSize;
    LSTATUS const status = RegEnumKeyEx(list, index, name, &length, nullptr, nullptr, nullptr, nullptr);
    if (status == ERROR_MORE_DATA) continue;
    if (status != ERROR_SUCCESS) break;
    TimeZoneValues zone;
    if (length >= 2 && TimeZoneKeyReader::Read(list, name, zone)) Insert(std::move(zone));
  }
}

void TimeZone::LoadBuiltList() {
  std::vector<std::pair<std::string, TimeZoneListEntry>> zones;
  for (TimeZoneListEntry& entry : TimeZoneListBuilder().Build(CurrentUtcYear()))
    zones.emplace_back(FoldName(entry.identifier), std::move(entry));
  // In the order the stored list's keys are enumerated, so that both lists come out alike.
  std::ranges::stable_sort(zones, {}, &std::pair<std::string, TimeZoneListEntry>::first);
  for (auto const& [folded, entry] : zones) {
    if (entry.identifier.size() < 2 || entry.identifier.size() >= kNameBufferSize) continue;
    TimeZoneValues zone;
    TimeZoneKeyReader::Read(entry, zone);
    Insert(std::move(zone));
  }
}

void TimeZone::Insert(TimeZoneValues&& zone) {
  auto const before = std::find_if(m_zones.begin(), m_zones.end(), [&zone](TimeZoneValues const& listed) {
    return listed.rule.Bias <= zone.rule.Bias;
  });
  m_zones.insert(before, std::move(zone));
}

int TimeZone::IdentifierIndex(char const* identifier) const {
  if (!identifier || !*identifier) return -1;
  for (size_t i = 0; i < m_zones.size(); ++i)
    if (!m_zones[i].identifier.IsEmpty() && strcasecmp(m_zones[i].identifier.c_str(), identifier) == 0)
      return static_cast<int>(i);
  return -1;
}
