#include "TimeZoneKeyReader.h"

#include <memory>
#include <string>

#include "platform/registry/Registry.h"

namespace {

constexpr unsigned long kTextBufferSize = 1024;

// A stored text with its terminating null, as the key's read would give it; empty when it
// would not fit the buffer.
VString BuiltText(std::string const& text, unsigned long& size) {
  size = text.size() < kTextBufferSize ? static_cast<unsigned long>(text.size() + 1) : 0;
  return size ? VString(text.c_str()) : VString();
}

TIME_ZONE_INFORMATION RuleOf(REG_TZI_FORMAT const& stored) {
  TIME_ZONE_INFORMATION rule{};
  rule.Bias = stored.Bias;
  rule.StandardBias = stored.StandardBias;
  rule.DaylightBias = stored.DaylightBias;
  rule.StandardDate = stored.StandardDate;
  rule.DaylightDate = stored.DaylightDate;
  return rule;
}

}  // namespace

bool TimeZoneKeyReader::Read(HKEY list, char const* name, TimeZoneValues& zone) {
  HKEY key = nullptr;
  if (RegOpenKeyEx(list, name, 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
  std::unique_ptr<HKEY__, decltype(&RegCloseKey)> const holder(key, &RegCloseKey);
  TimeZoneValues values;
  if (!ReadRule(key, values.rule)) return false;
  values.identifier = name;
  unsigned long size = 0;
  if (!ReadText(key, "Std", values.standardLabel, size) || size < 2) values.standardLabel = name;
  ReadText(key, "Dlt", values.daylightLabel, size);
  ReadText(key, "Display", values.description, size);
  zone = std::move(values);
  return true;
}

void TimeZoneKeyReader::Read(TimeZoneListEntry const& entry, TimeZoneValues& zone) {
  TimeZoneValues values;
  values.rule = RuleOf(entry.tzi);
  values.identifier = entry.identifier.c_str();
  unsigned long size = 0;
  values.standardLabel = BuiltText(entry.standardLabel, size);
  if (size < 2) values.standardLabel = values.identifier;
  values.daylightLabel = BuiltText(entry.daylightLabel, size);
  values.description = BuiltText(entry.display, size);
  zone = std::move(values);
}

bool TimeZoneKeyReader::ReadText(HKEY key, char const* name, VString& text, unsigned long& size) {
  char buffer[kTextBufferSize];
  unsigned long type = 0;
  size = kTextBufferSize;
  if (RegQueryValueEx(key, name, nullptr, &type, reinterpret_cast<unsigned char*>(buffer), &size) != ERROR_SUCCESS ||
      (type != REG_SZ && type != REG_EXPAND_SZ)) {
    size = 0;
    text.Empty();
    return false;
  }
  text = VString(buffer, size);
  text.ReleaseBuffer();
  return true;
}

bool TimeZoneKeyReader::ReadRule(HKEY key, TIME_ZONE_INFORMATION& rule) {
  REG_TZI_FORMAT stored{};
  unsigned long type = 0;
  unsigned long size = sizeof stored;
  if (RegQueryValueEx(key, "TZI", nullptr, &type, reinterpret_cast<unsigned char*>(&stored), &size) != ERROR_SUCCESS ||
      type != REG_BINARY || size != sizeof stored)
    return false;
  rule = RuleOf(stored);
  return true;
}
