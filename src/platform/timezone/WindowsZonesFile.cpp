#include "platform/timezone/WindowsZonesFile.h"

#include <cstdio>
#include <map>
#include <memory>
#include <set>
#include <utility>

#include "platform/timezone/XmlTagReader.h"

namespace {

// The world-wide mapping of an identifier; the other territories name regional variants.
constexpr char kWorldTerritory[] = "001";

std::string FirstWord(std::string const& text) { return text.substr(0, text.find(' ')); }

}  // namespace

bool WindowsZonesFile::Read(std::string const& path, std::vector<WindowsZone>& zones) {
  // stdio rather than streams: a folder or a read error is a failed read, never an exception.
  std::unique_ptr<FILE, decltype(&fclose)> const file(fopen(path.c_str(), "rb"), &fclose);
  if (!file) return false;
  std::string text;
  char buffer[65536];
  for (size_t n; (n = fread(buffer, 1, sizeof buffer, file.get())) > 0;) text.append(buffer, n);
  return !ferror(file.get()) && Parse(text, zones);
}

bool WindowsZonesFile::Parse(std::string_view text, std::vector<WindowsZone>& zones) {
  XmlTagReader reader(text);
  std::vector<WindowsZone> parsed;
  std::set<std::string> listed;
  // The display comment stands before an identifier's group; a group without one gets none,
  // rather than the comment of the group before it.
  std::map<std::string, std::string> displays;
  std::string pendingComment;
  for (XmlTagReader::Item item; (item = reader.Next()) != XmlTagReader::Item::End;) {
    if (item == XmlTagReader::Item::Malformed) return false;
    if (item == XmlTagReader::Item::Comment) {
      pendingComment = reader.Comment();
      continue;
    }
    std::string const comment = std::exchange(pendingComment, std::string());
    if (reader.TagName() != "mapZone") continue;
    std::string const identifier = reader.Attribute("other");
    if (!comment.empty()) displays.try_emplace(identifier, comment);
    std::string const zoneId = FirstWord(reader.Attribute("type"));
    if (reader.Attribute("territory") != kWorldTerritory || identifier.empty() || zoneId.empty()) continue;
    if (listed.insert(identifier).second) parsed.push_back({identifier, "", zoneId});
  }
  if (parsed.empty()) return false;
  for (WindowsZone& zone : parsed) zone.display = displays[zone.identifier];
  zones = std::move(parsed);
  return true;
}
