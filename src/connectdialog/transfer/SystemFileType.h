// Reads one file type from the system's registered file types (the process's FileTypeRegistry).
#pragma once

#include "transfer/FileTypeDefinition.h"

class FileTypeRegistry;

class SystemFileType {
 public:
  // Fills `definition` (reset first) for `extension`, given with or without its dot. False when
  // the type is unknown: the extension is not registered, its class is a "CLSID\" one, or its
  // icon value is broken. The type's name is the class's description, else the class name, else
  // "EXT File"; text content types travel as ASCII, others as binary.
  static bool Read(char const* extension, FileTypeDefinition& definition);
  static bool Read(char const* extension, FileTypeDefinition& definition, FileTypeRegistry& registry);
};
