// The stored form of a file type: a text list of six strings, named after the type, holding the
// open command, the icon index, the icon file, the extensions joined by "|", the open action and
// the transfer type, numbers in decimal.
#pragma once

#include "VStringArray.h"
#include "transfer/FileTypeDefinition.h"

class FileTypeStoredForm {
 public:
  static constexpr int kStrings = 6;

  static VStringArray Write(FileTypeDefinition const& definition);
  // Fills `definition` (reset first) named `typeName`. Numbers that are not numbers read as 0;
  // a list of fewer than six strings leaves everything but the name at its default.
  static void Read(char const* typeName, VStringArray const& list, FileTypeDefinition& definition);
};
