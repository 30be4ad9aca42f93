// The desktop's default application of a MIME type and the command that opens a file with it.
// The application comes from the first mimeapps.list (configuration folders, then the
// applications/ folders of the data folders) whose [Default Applications] or [Added
// Associations] names an installed one for the type, else from the applications' own claims in
// mimeinfo.cache. Its command is the Exec line of its .desktop file with the file argument as
// "%1", the form the open-command of a file type uses.
#pragma once

#include <string>
#include <vector>

#include "platform/filetypes/DesktopKeyFile.h"
#include "platform/filetypes/XdgLocations.h"

class DefaultApplications {
 public:
  // Reads every mimeapps.list and mimeinfo.cache now; desktop files are read when asked for.
  explicit DefaultApplications(XdgLocations locations);

  // The open command of `mimeType`; empty when no installed application is associated.
  std::string OpenCommand(std::string const& mimeType) const;

  // An Exec value turned into an open command: %f %F %u %U become "%1", %% becomes "%",
  // the other field codes (%i %c %k and the deprecated ones) are dropped; without a file code
  // " %1" is appended, as the application is still given the file.
  static std::string CommandOfExec(std::string const& exec);

 private:
  // The .desktop file of a desktop id in the applications folders; empty when not installed.
  std::string DesktopFile(std::string const& desktopId) const;
  // The first installed id of a ";"-separated list; empty when none is.
  std::string FirstInstalled(std::string const& ids) const;

  XdgLocations m_locations;
  std::vector<DesktopKeyFile> m_lists;   // mimeapps.list files, in precedence order
  std::vector<DesktopKeyFile> m_caches;  // mimeinfo.cache files, in precedence order
};
