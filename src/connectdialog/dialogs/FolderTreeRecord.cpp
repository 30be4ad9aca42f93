#include "dialogs/FolderTreeRecord.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr size_t kPathOffset = 4;
constexpr size_t kParentOffset = kPathOffset + FolderTreeRecord::kPathBytes;
constexpr size_t kCutOffset = kParentOffset + FolderTreeRecord::kPathBytes;

// The NUL-terminated text of a path field; false when the field holds no NUL.
bool ReadPath(std::vector<unsigned char> const& bytes, size_t offset, std::string& path) {
  auto const begin = bytes.begin() + static_cast<long>(offset);
  auto const end = begin + static_cast<long>(FolderTreeRecord::kPathBytes);
  auto const nul = std::find(begin, end, 0);
  if (nul == end) return false;
  path.assign(begin, nul);
  return true;
}

}  // namespace

std::vector<unsigned char> FolderTreeRecord::Pack() const {
  if (!Fits()) return {};
  std::vector<unsigned char> bytes(kSize, 0);
  for (size_t i = 0; i < 4; ++i) bytes[i] = static_cast<unsigned char>(item >> (8 * i));
  std::memcpy(bytes.data() + kPathOffset, path.data(), path.size());
  std::memcpy(bytes.data() + kParentOffset, parentPath.data(), parentPath.size());
  bytes[kCutOffset] = cut ? 1 : 0;
  return bytes;
}

bool FolderTreeRecord::Unpack(std::vector<unsigned char> const& bytes, FolderTreeRecord& record) {
  FolderTreeRecord read;
  if (bytes.size() != kSize || !ReadPath(bytes, kPathOffset, read.path) || !ReadPath(bytes, kParentOffset, read.parentPath))
    return false;
  for (size_t i = 0; i < 4; ++i) read.item |= static_cast<uint32_t>(bytes[i]) << (8 * i);
  read.cut = bytes[kCutOffset] != 0;
  record = std::move(read);
  return true;
}
