#include "platform/filetypes/FileTypeRegistry.h"

#include "platform/filetypes/FreedesktopFileTypes.h"

namespace {

FileTypeRegistry* g_installed = nullptr;

FileTypeRegistry& DefaultRegistry() {
  static FreedesktopFileTypes freedesktop(XdgLocations::FromEnvironment());
  return freedesktop;
}

}  // namespace

FileTypeRegistry& GetFileTypeRegistry() { return g_installed ? *g_installed : DefaultRegistry(); }

void SetFileTypeRegistry(FileTypeRegistry* registry) { g_installed = registry; }
