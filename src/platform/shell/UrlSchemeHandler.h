// Makes a program the user's handler of a URL scheme on a freedesktop.org desktop: a desktop
// entry for it in the applications/ folder of the user's data folder, named in the scheme's line
// ("x-scheme-handler/SCHEME=ID") of [Default Applications] in the user's mimeapps.list. Every
// other line of that file stays as it was, byte for byte. Both files are written whole through
// AtomicFileWriter, the entry first, so the list never names an entry that is not there. No call
// throws.
#pragma once

#include <string>
#include <vector>

#include "platform/filetypes/XdgLocations.h"

class UrlSchemeHandler {
 public:
  explicit UrlSchemeHandler(XdgLocations locations) : m_locations(std::move(locations)) {}

  // `oldText` (a mimeapps.list) with `mimeType` handled by `desktopId` as the default: the
  // type's first line in [Default Applications] replaced, else a line added at the end of that
  // group, else the group added at the end.
  static std::string WithDefault(std::string const& oldText, std::string const& mimeType, std::string const& desktopId);
  // The desktop entry: `name`, `program` with `arguments` and the URL ("%u"), the scheme's MIME
  // type, hidden from menus.
  static std::string EntryText(std::string const& name, std::string const& scheme, std::string const& program,
                               std::vector<std::string> const& arguments);

  // Writes DESKTOPID into applications/ and the default into mimeapps.list. False, with Report()
  // saying why, for a desktop id that cannot name a file or a write that failed; a failed
  // entry leaves the list untouched.
  bool Register(std::string const& scheme, std::string const& desktopId, std::string const& name,
                std::string const& program, std::vector<std::string> const& arguments);
  std::string const& Report() const { return m_report; }

  std::string EntryPath(std::string const& desktopId) const { return m_locations.dataHome + "/applications/" + desktopId; }
  std::string ListPath() const { return m_locations.configHome + "/mimeapps.list"; }

 private:
  // The list's bytes; none when there is no list. False, with the report, for one that cannot be read.
  bool ReadList(std::string& text);
  bool WriteFile(std::string const& path, std::string const& text);

  XdgLocations m_locations;
  std::string m_report;
};
