#include "TzCommand.h"

#include <strings.h>


#include "CommandOutput.h"
#include "JsonOutput.h"
#include "TzRuleView.h"
#include "platform/registry/RegStatusText.h"
#include "platform/timezone/SystemTime.h"
#include "platform/timezone/TimeZoneListWriter.h"
#include "transfer/TimeZone.h"

namespace {

std::string const kOffsetHelp =
    "Offsets are UTC = local time + offset, as GetOffset gives them: Pacific time has "
    "{\"hours\": 8, \"minutes\": 0} in standard time.";

nlohmann::ordered_json Offset(TIME_ZONE_INFORMATION const& info, int mode) {
  int hours = 0;
  int minutes = 0;
  TimeZone::GetOffset(info, hours, minutes, mode);
  return {{"hours", hours}, {"minutes", minutes}};
}

std::string PlainOffset(nlohmann::ordered_json const& offset) {
  return TzRuleView::UtcOffset(offset["hours"].get<int>(), offset["minutes"].get<int>());
}

// The rule's transition in `year` as a local time, or why there is none.
bool TransitionIn(int year, SYSTEMTIME const& date, SYSTEMTIME& local, std::string& why) {
  FILETIME time{};
  if (date.wYear != 0 && date.wYear != year) {
    why = "the rule gives a date in " + std::to_string(date.wYear) + " only";
    return false;
  }
  bool const ok = date.wYear != 0 ? SystemTimeToFileTime(&date, &time) : TimeZone::GetSpecificDate(year, date, time);
  if (!ok || !FileTimeToSystemTime(&time, &local)) {
    why = "the rule gives no date in " + std::to_string(year);
    return false;
  }
  return true;
}

// The transition at `local` (wall time, `wallBias` minutes west) in standard time and in UTC.
std::string TransitionLine(SYSTEMTIME const& local, int wallBias, TIME_ZONE_INFORMATION const& info) {
  FILETIME wall{};
  SystemTimeToFileTime(&local, &wall);
  auto const shifted = [&wall](int minutes) {
    SYSTEMTIME fields{};
    FILETIME const time =
        FileTimeFromTicks(FileTimeTicks(wall) + static_cast<uint64_t>(minutes * kFileTimeTicksPerMinute));
    FileTimeToSystemTime(&time, &fields);
    return TzRuleView::DateTime(fields);
  };
  return shifted(wallBias - info.StandardBias) + " standard time (" + shifted(info.Bias + wallBias) + " UTC)";
}

}  // namespace

TzCommand::TzCommand(CLI::App& app) {
  m_tz = app.add_subcommand("tz", "The time zones: the list, one zone's rule, a year's transitions");
  m_tz->require_subcommand(1);
  CLI::App* ls = AddVerb(*m_tz, "ls", "List the zones, furthest west first", [this] { return Ls(*m_zones); });
  ls->add_flag("--json", m_json, "Print one JSON document");
  ls->footer(
      "With --json: {\"zones\": [{\"identifier\", \"description\", \"label\", \"isDaylightNow\", "
      "\"standardOffset\": {\"hours\", \"minutes\"}, \"daylightOffset\": {...}}, ...]}; \"label\" is the "
      "label of the time that holds now. " +
      kOffsetHelp);
  CLI::App* show = AddVerb(*m_tz, "show", "Print one zone's rule", [this] { return Show(*m_zones); });
  show->add_option("ZONE", m_zone,
                   "A zone identifier, or an abbreviation such as PST or utc; \"\" for the "
                   "current zone of this process")
      ->required();
  show->add_flag("--json", m_json, "Print one JSON document");
  show->footer(
      "With --json: {\"identifier\", \"bias\", \"standardBias\", \"daylightBias\", \"standardDate\": "
      "{\"year\", \"month\", \"dayOfWeek\", \"day\", \"hour\", \"minute\"}, \"daylightDate\": {...}, "
      "\"isDaylightNow\"}. A year of 0 is a yearly rule whose day is the occurrence (5 the last) of the "
      "day of week; a month of 0 means no daylight-saving time. UTC = local time + bias (+ the bias of "
      "the period).");
  CLI::App* transitions = AddVerb(*m_tz, "transitions", "Print when daylight time starts and ends in a year",
                                  [this] { return Transitions(*m_zones); });
  transitions->add_option("ZONE", m_zone, "A zone identifier or abbreviation")->required();
  transitions->add_option("YEAR", m_year, "The year")->required()->check(CLI::Range(1601, 30827));
  transitions->footer("Both instants are printed as local standard times, with UTC beside them.");
}

int TzCommand::Run() {
  // The library writes the list itself, or builds it when it cannot; asking here gives a
  // reason when neither gave a zone.
  LSTATUS const written = TimeZoneListWriter().EnsureWritten();
  TimeZone const zones;
  if (zones.TimeZoneCount() == 0 && written == ERROR_SUCCESS)
    return CommandOutput::Refuse("no time zones: the machine registry's list holds none");
  if (zones.TimeZoneCount() == 0)
    return CommandOutput::Refuse("no time zones: the machine registry's list cannot be written (" +
                                 RegStatusText::Describe(written) + ") and the zone database gave none");
  m_zones = &zones;
  int const result = Command::Run();
  m_zones = nullptr;
  return result;
}

int TzCommand::Ls(TimeZone const& zones) {
  nlohmann::ordered_json list = nlohmann::ordered_json::array();
  std::string plain;
  for (int i = 0; i < zones.TimeZoneCount(); ++i) {
    TIME_ZONE_INFORMATION info{};
    int isDaylight = 0;
    zones.GetTimeZoneInformation(zones.Identifier(i), info, isDaylight);
    nlohmann::ordered_json const zone = {
        {"identifier", zones.Identifier(i)},         {"description", zones.Description(i)},
        {"label", zones.Label(zones.Identifier(i))}, {"isDaylightNow", isDaylight != 0},
        {"standardOffset", Offset(info, 0)},         {"daylightOffset", Offset(info, 1)}};
    plain +=
        std::string(zones.Identifier(i)) + "\t" + zones.Description(i) + "\t" + PlainOffset(zone["standardOffset"]);
    if (info.DaylightDate.wMonth != 0) plain += "\tdaylight " + PlainOffset(zone["daylightOffset"]);
    plain += "\n";
    list.push_back(zone);
  }
  if (!m_json) return CommandOutput::Print(plain);
  return JsonOutput::Print(nlohmann::ordered_json{{"zones", list}});
}

int TzCommand::Show(TimeZone const& zones) {
  std::string const identifier = m_zone.empty() ? std::string() : Resolve(zones);
  if (!m_zone.empty() && identifier.empty()) return CommandOutput::Refuse("no time zone named \"" + m_zone + "\"");
  TIME_ZONE_INFORMATION info{};
  int isDaylight = 0;
  zones.GetTimeZoneInformation(identifier.c_str(), info, isDaylight);
  if (identifier.empty()) isDaylight = TimeZone::IsInDaylightSavingTime(info) ? 1 : 0;
  nlohmann::ordered_json const rule = TzRuleView::Rule(identifier, info, isDaylight != 0);
  return CommandOutput::Print(m_json ? JsonOutput::Dump(rule) + "\n" : TzRuleView::PlainRule(rule));
}

int TzCommand::Transitions(TimeZone const& zones) {
  std::string const identifier = Resolve(zones);
  if (identifier.empty()) return CommandOutput::Refuse("no time zone named \"" + m_zone + "\"");
  TIME_ZONE_INFORMATION info{};
  int isDaylight = 0;
  zones.GetTimeZoneInformation(identifier.c_str(), info, isDaylight);
  if (info.DaylightDate.wMonth == 0 || info.StandardDate.wMonth == 0)
    return CommandOutput::Print(identifier + " has no daylight-saving time\n");
  SYSTEMTIME start{};
  SYSTEMTIME stop{};
  std::string why;
  if (!TransitionIn(m_year, info.DaylightDate, start, why) || !TransitionIn(m_year, info.StandardDate, stop, why))
    return CommandOutput::Refuse(identifier + ": " + why);
  // A rule's date is the clock time just before the change: standard time, then daylight time.
  return CommandOutput::Print("daylight start: " + TransitionLine(start, info.StandardBias, info) + "\n" +
                              "standard start: " + TransitionLine(stop, info.DaylightBias, info) + "\n");
}

std::string TzCommand::Resolve(TimeZone const& zones) const {
  for (int i = 0; i < zones.TimeZoneCount(); ++i)
    if (strcasecmp(zones.Identifier(i), m_zone.c_str()) == 0) return zones.Identifier(i);
  char const* byAbbreviation = zones.Identifier(m_zone.c_str());
  return byAbbreviation ? byAbbreviation : "";
}
