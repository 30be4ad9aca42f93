// The file types registered with the system: which class an extension belongs to, and the
// class's description, open command and icon. Extensions are given without their dot. Called
// from one thread; no operation throws; an unknown name answers empty (or false).
#pragma once

#include <string>
#include <vector>

class FileTypeRegistry {
 public:
  virtual ~FileTypeRegistry() = default;

  // False when the extension is not registered; else true with its class name, which may be
  // empty for an extension registered without a class.
  virtual bool FindClass(std::string const& extension, std::string& className) = 0;
  // The class's display text.
  virtual std::string ClassDescription(std::string const& className) = 0;
  // The command that opens a file of the class, "%1" standing for the file.
  virtual std::string OpenCommand(std::string const& className) = 0;
  // Where the class's icon comes from: an icon name or file, optionally followed by "," and an
  // icon index.
  virtual std::string DefaultIcon(std::string const& className) = 0;
  // The extension's MIME content type.
  virtual std::string ContentType(std::string const& extension) = 0;
  // Every registered extension, each once.
  virtual std::vector<std::string> Extensions() = 0;
  // The class of folders; empty when the system registers none.
  virtual std::string DirectoryClass() = 0;
  // Where the icon of an open folder comes from, in DefaultIcon's form; empty when the system
  // registers no folders.
  virtual std::string OpenDirectoryIcon() = 0;
};

// The process's registry of file types: the freedesktop one (XdgLocations::FromEnvironment,
// read at first use) unless a test installed another.
FileTypeRegistry& GetFileTypeRegistry();
// Installs `registry` (not owned) in place of the default; null restores the default.
void SetFileTypeRegistry(FileTypeRegistry* registry);
