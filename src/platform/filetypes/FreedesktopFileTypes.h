// The registered file types of a freedesktop system: shared-mime-info's globs, descriptions and
// icon names, and the desktop's default applications. A class is a MIME type ("text/plain"),
// which is also the content type of its extensions; icons are icon-theme names.
#pragma once

#include "platform/filetypes/DefaultApplications.h"
#include "platform/filetypes/FileTypeRegistry.h"
#include "platform/filetypes/SharedMimeInfo.h"
#include "platform/filetypes/XdgLocations.h"

class FreedesktopFileTypes : public FileTypeRegistry {
 public:
  explicit FreedesktopFileTypes(XdgLocations const& locations);

  bool FindClass(std::string const& extension, std::string& className) override;
  std::string ClassDescription(std::string const& className) override { return m_mime.Comment(className); }
  std::string OpenCommand(std::string const& className) override { return m_applications.OpenCommand(className); }
  std::string DefaultIcon(std::string const& className) override { return m_mime.IconName(className); }
  std::string ContentType(std::string const& extension) override { return m_mime.TypeOfExtension(extension); }
  std::vector<std::string> Extensions() override { return m_mime.Extensions(); }
  std::string DirectoryClass() override;
  // The icon theme's "folder-open": the name every desktop icon theme gives its open folder.
  std::string OpenDirectoryIcon() override;

 private:
  SharedMimeInfo m_mime;
  DefaultApplications m_applications;
};
