#include "platform/filetypes/FileTypeRegistry.h"

#include "platform/filetypes/FreedesktopFileTypes.h"
#include "platform/service/InstalledService.h"

using InstalledRegistry = InstalledService<FileTypeRegistry, FreedesktopFileTypes,
                                           [] { return FreedesktopFileTypes(XdgLocations::FromEnvironment()); }>;

FileTypeRegistry& GetFileTypeRegistry() { return InstalledRegistry::Get(); }

void SetFileTypeRegistry(FileTypeRegistry* registry) { InstalledRegistry::Install(registry); }
