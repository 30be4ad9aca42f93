#include "platform/filetypes/DefaultApplications.h"

#include <filesystem>
#include <sstream>

#include "platform/filetypes/DesktopKeyFile.h"

namespace {

// A desktop id names a file below applications/; anything with a path in it does not.
bool IsDesktopId(std::string const& id) {
  return id.size() > 8 && id.ends_with(".desktop") && id.find('/') == std::string::npos && id.front() != '.';
}

}  // namespace

DefaultApplications::DefaultApplications(XdgLocations locations) : m_locations(std::move(locations)) {
  for (std::string const& folder : m_locations.ConfigFolders()) m_lists.push_back(DesktopKeyFile::Load(folder + "/mimeapps.list"));
  for (std::string const& folder : m_locations.DataFolders()) {
    m_lists.push_back(DesktopKeyFile::Load(folder + "/applications/mimeapps.list"));
    m_caches.push_back(DesktopKeyFile::Load(folder + "/applications/mimeinfo.cache"));
  }
}

std::string DefaultApplications::OpenCommand(std::string const& mimeType) const {
  if (mimeType.empty()) return {};
  std::string desktopFile;
  for (DesktopKeyFile const& list : m_lists)
    for (char const* group : {"Default Applications", "Added Associations"})
      if (desktopFile.empty()) desktopFile = FirstInstalled(list.Value(group, mimeType));
  for (DesktopKeyFile const& cache : m_caches)
    if (desktopFile.empty()) desktopFile = FirstInstalled(cache.Value("MIME Cache", mimeType));
  if (desktopFile.empty()) return {};
  return CommandOfExec(DesktopKeyFile::Load(desktopFile).Value("Desktop Entry", "Exec"));
}

std::string DefaultApplications::FirstInstalled(std::string const& ids) const {
  std::istringstream in(ids);
  for (std::string id; std::getline(in, id, ';');)
    if (std::string file = DesktopFile(id); !file.empty()) return file;
  return {};
}

std::string DefaultApplications::DesktopFile(std::string const& desktopId) const {
  if (!IsDesktopId(desktopId)) return {};
  for (std::string const& folder : m_locations.DataFolders()) {
    std::string const path = folder + "/applications/" + desktopId;
    std::error_code ignored;
    if (std::filesystem::is_regular_file(path, ignored)) return path;
  }
  return {};
}

std::string DefaultApplications::CommandOfExec(std::string const& exec) {
  if (exec.empty()) return {};
  std::string command;
  bool hasFile = false;
  for (size_t i = 0; i < exec.size(); ++i) {
    if (exec[i] != '%' || i + 1 == exec.size()) {
      command += exec[i];
      continue;
    }
    char const code = exec[++i];
    if (code == '%') {
      command += '%';
    } else if (code == 'f' || code == 'F' || code == 'u' || code == 'U') {
      command += "%1";
      hasFile = true;
    }
  }
  // Dropped codes leave their spaces behind.
  while (!command.empty() && command.back() == ' ') command.pop_back();
  return hasFile ? command : command + " %1";
}
