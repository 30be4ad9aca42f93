// What a cut, a copy or a drag puts on the clipboard under "FolderTree": 528 bytes holding the
// source item's handle in the dialog that put it there (little-endian), its session path and
// its parent folder's path (each NUL-terminated in 260 bytes), and 1 for cut or 0 for copied,
// then three zero bytes.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct FolderTreeRecord {
  static constexpr char kFormat[] = "FolderTree";
  static constexpr size_t kSize = 528;
  static constexpr size_t kPathBytes = 260;

  uint32_t item = 0;
  std::string path;
  std::string parentPath;
  bool cut = false;

  // Whether both paths fit their fields with their NUL.
  bool Fits() const { return path.size() < kPathBytes && parentPath.size() < kPathBytes; }
  // The stored bytes; empty when a path does not fit.
  std::vector<unsigned char> Pack() const;
  // False, with `record` untouched, for a block of another size or a path without its NUL.
  static bool Unpack(std::vector<unsigned char> const& bytes, FolderTreeRecord& record);
};
