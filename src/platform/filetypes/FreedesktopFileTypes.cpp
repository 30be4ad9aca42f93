#include "platform/filetypes/FreedesktopFileTypes.h"

namespace {

constexpr char const* kDirectoryType = "inode/directory";
constexpr char const* kOpenFolderIcon = "folder-open";

std::vector<std::string> MimeFolders(XdgLocations const& locations) {
  std::vector<std::string> folders;
  for (std::string const& folder : locations.DataFolders()) folders.push_back(folder + "/mime");
  return folders;
}

}  // namespace

FreedesktopFileTypes::FreedesktopFileTypes(XdgLocations const& locations)
    : m_mime(MimeFolders(locations)), m_applications(locations) {}

bool FreedesktopFileTypes::FindClass(std::string const& extension, std::string& className) {
  std::string type = m_mime.TypeOfExtension(extension);
  if (type.empty()) return false;
  className = std::move(type);
  return true;
}

std::string FreedesktopFileTypes::DirectoryClass() {
  return m_mime.IsKnownType(kDirectoryType) ? kDirectoryType : std::string();
}

std::string FreedesktopFileTypes::OpenDirectoryIcon() {
  return m_mime.IsKnownType(kDirectoryType) ? kOpenFolderIcon : std::string();
}
