#include "platform/registry/NameFolding.h"

#include <unicode/uchar.h>
#include <unicode/ustring.h>

#include <vector>

namespace {

std::string FoldAscii(std::string_view name) {
  std::string folded(name);
  for (char& c : folded)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return folded;
}

bool IsAscii(std::string_view name) {
  for (unsigned char c : name)
    if (c >= 0x80) return false;
  return true;
}

}  // namespace

// One pass folds the ASCII letters and notices any other byte; names are nearly always ASCII.
std::string_view FoldName(std::string_view name, std::string& scratch) {
  scratch.resize(name.size());
  char* out = scratch.data();
  unsigned char seen = 0;
  for (size_t i = 0; i < name.size(); ++i) {
    unsigned char const c = static_cast<unsigned char>(name[i]);
    seen |= c;
    out[i] = static_cast<char>(c - 'A' < 26u ? c + ('a' - 'A') : c);
  }
  if (seen >= 0x80) scratch = FoldName(name);
  return scratch;
}

std::string FoldName(std::string_view name) {
  if (IsAscii(name)) return FoldAscii(name);
  UErrorCode status = U_ZERO_ERROR;
  int32_t wideLength = 0;
  u_strFromUTF8(nullptr, 0, &wideLength, name.data(), static_cast<int32_t>(name.size()), &status);
  if (status != U_BUFFER_OVERFLOW_ERROR && U_FAILURE(status)) return FoldAscii(name);
  std::vector<UChar> wide(static_cast<size_t>(wideLength) + 1);
  status = U_ZERO_ERROR;
  u_strFromUTF8(wide.data(), wideLength + 1, nullptr, name.data(), static_cast<int32_t>(name.size()), &status);
  if (U_FAILURE(status)) return FoldAscii(name);
  // Folding can lengthen a string (ß becomes ss); three times the input is always enough.
  std::vector<UChar> folded(static_cast<size_t>(wideLength) * 3 + 1);
  int32_t foldedLength = u_strFoldCase(folded.data(), static_cast<int32_t>(folded.size()), wide.data(), wideLength,
                                       U_FOLD_CASE_DEFAULT, &status);
  if (U_FAILURE(status)) return FoldAscii(name);
  std::string result(static_cast<size_t>(foldedLength) * 3 + 1, '\0');
  int32_t resultLength = 0;
  u_strToUTF8(result.data(), static_cast<int32_t>(result.size()), &resultLength, folded.data(), foldedLength, &status);
  if (U_FAILURE(status)) return FoldAscii(name);
  result.resize(static_cast<size_t>(resultLength));
  return result;
}
