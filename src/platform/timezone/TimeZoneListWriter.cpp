#include "platform/timezone/TimeZoneListWriter.h"

#include <sys/stat.h>
#include <unicode/timezone.h>

#include <memory>
#include <vector>

#include "platform/registry/Registry.h"
#include "platform/timezone/SystemTime.h"

namespace {

using KeyHolder = std::unique_ptr<HKEY__, decltype(&RegCloseKey)>;

// The stamp of the stored list: ERROR_FILE_NOT_FOUND for a missing list or a list without one.
LSTATUS StoredStamp(bool& listExists, std::string& stamp) {
  HKEY key = nullptr;
  listExists = RegOpenKeyEx(HKEY_LOCAL_MACHINE, TimeZoneListWriter::kKeyPath, 0, KEY_READ, &key) == ERROR_SUCCESS;
  if (!listExists) return ERROR_FILE_NOT_FOUND;
  KeyHolder const holder(key, &RegCloseKey);
  char buffer[512] = {};
  unsigned long size = sizeof buffer - 1;
  unsigned long type = 0;
  LSTATUS const status = RegQueryValueEx(key, TimeZoneListWriter::kStampValue, nullptr, &type,
                                         reinterpret_cast<unsigned char*>(buffer), &size);
  if (status == ERROR_SUCCESS && type == REG_SZ) stamp = buffer;
  return status;
}

LSTATUS SetText(HKEY key, char const* name, std::string const& text) {
  return RegSetValueEx(key, name, 0, REG_SZ, reinterpret_cast<unsigned char const*>(text.c_str()),
                       static_cast<unsigned long>(text.size() + 1));
}

LSTATUS WriteZone(HKEY list, TimeZoneListEntry const& zone) {
  HKEY key = nullptr;
  LSTATUS status = RegCreateKeyEx(list, zone.identifier.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr);
  if (status != ERROR_SUCCESS) return status;
  KeyHolder const holder(key, &RegCloseKey);
  if ((status = SetText(key, "Std", zone.standardLabel)) != ERROR_SUCCESS ||
      (status = SetText(key, "Dlt", zone.daylightLabel)) != ERROR_SUCCESS ||
      (status = SetText(key, "Display", zone.display)) != ERROR_SUCCESS)
    return status;
  return RegSetValueEx(key, "TZI", 0, REG_BINARY, reinterpret_cast<unsigned char const*>(&zone.tzi), sizeof zone.tzi);
}

}  // namespace

LSTATUS TimeZoneListWriter::EnsureWritten() const {
  int const year = CurrentUtcYear();
  bool listExists = false;
  std::string stamp;
  LSTATUS const status = StoredStamp(listExists, stamp);
  // A list without a stamp was put there by hand (an imported export, say): it is kept.
  if (listExists && status == ERROR_FILE_NOT_FOUND) return ERROR_SUCCESS;
  return stamp == Stamp(year) ? ERROR_SUCCESS : Write(year);
}

LSTATUS TimeZoneListWriter::Write(int year) const {
  LSTATUS const status = RegBeginUnitOfWork(HKEY_LOCAL_MACHINE, true);
  if (status != ERROR_SUCCESS) return status;
  LSTATUS const written = WriteInUnit(year);
  LSTATUS const ended = RegEndUnitOfWork(HKEY_LOCAL_MACHINE, written == ERROR_SUCCESS);
  return written != ERROR_SUCCESS ? written : ended;
}

std::string TimeZoneListWriter::Stamp(int year) const {
  UErrorCode status = U_ZERO_ERROR;
  char const* version = icu::TimeZone::getTZDataVersion(status);
  // The mapping file's size and time, so that installing or updating it renews the list.
  struct stat file {};
  std::string const& path = m_builder.CldrPath();
  std::string const mapping = stat(path.c_str(), &file) == 0
                                  ? path + " " + std::to_string(file.st_size) + " " + std::to_string(file.st_mtime)
                                  : path + " missing";
  return std::string("tz ") + (U_SUCCESS(status) ? version : "?") + "; year " + std::to_string(year) + "; " + mapping;
}

LSTATUS TimeZoneListWriter::WriteInUnit(int year) const {
  // Built once the hive is known to be writable, so that a user who cannot write it pays nothing.
  std::vector<TimeZoneListEntry> const zones = m_builder.Build(year);
  LSTATUS status = RegDeleteTree(HKEY_LOCAL_MACHINE, kKeyPath);
  if (status != ERROR_SUCCESS && status != ERROR_FILE_NOT_FOUND) return status;
  HKEY list = nullptr;
  status = RegCreateKeyEx(HKEY_LOCAL_MACHINE, kKeyPath, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &list, nullptr);
  if (status != ERROR_SUCCESS) return status;
  KeyHolder const holder(list, &RegCloseKey);
  for (TimeZoneListEntry const& zone : zones)
    if ((status = WriteZone(list, zone)) != ERROR_SUCCESS) return status;
  return SetText(list, TimeZoneListWriter::kStampValue, Stamp(year));
}
