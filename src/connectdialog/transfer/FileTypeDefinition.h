// One file type of the file-transfer host: a named type with its extensions (no dots), where its
// icon comes from, how it is opened, and whether its files travel as text or as bytes.
#pragma once

#include <cstdint>

#include "VString.h"
#include "VStringArray.h"

class FileTypeDefinition {
 public:
  // Transfer types; any other value asks the user.
  static constexpr int kTransferAscii = 1;
  static constexpr int kTransferBinary = 2;
  // Open actions of a remote file; any other value asks the user.
  static constexpr int kOpenActionOpen = 2;
  static constexpr int kOpenActionSave = 4;

  FileTypeDefinition() = default;
  ~FileTypeDefinition() = default;

  void SetTypeName(char const* name) { typeName = name; }

  VStringArray extensions;
  int itemData = -1;  // the type's image in the icon lists, -1 until it has one
  VString iconFile;   // an icon-theme name or an icon file
  int iconIndex = 0;
  int transferType = 0;
  VString openCommand;  // "%1" stands for the file
  int openAction = 1;
  uint8_t valid = 0;  // 1 once parsed or filled
  VString typeName;
};
