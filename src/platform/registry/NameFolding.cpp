#include "platform/registry/NameFolding.h"

#include <unicode/uchar.h>
#include <unicode/ustring.h>

#include <vector>

namespace {

// Folds the ASCII letters of `name` into `out` in one pass; false when a byte outside ASCII
// was met (names are nearly always ASCII).
bool FoldAsciiInto(std::string_view name, std::string& out) {
  out.resize(name.size());
  char* folded = out.data();
  unsigned char seen = 0;
  for (size_t i = 0; i < name.size(); ++i) {
    unsigned char const c = static_cast<unsigned char>(name[i]);
    seen |= c;
    folded[i] = static_cast<char>(static_cast<unsigned>(c - 'A') < 26u ? c + ('a' - 'A') : c);
  }
  return seen < 0x80;
}

// Full case folding; a name that is not valid UTF-8 folds byte-wise in the ASCII range only.
std::string FoldUnicode(std::string_view name) {
  std::string bytewise;
  FoldAsciiInto(name, bytewise);
  UErrorCode status = U_ZERO_ERROR;
  int32_t wideLength = 0;
  u_strFromUTF8(nullptr, 0, &wideLength, name.data(), static_cast<int32_t>(name.size()), &status);
  if (status != U_BUFFER_OVERFLOW_ERROR && U_FAILURE(status)) return bytewise;
  std::vector<UChar> wide(static_cast<size_t>(wideLength) + 1);
  status = U_ZERO_ERROR;
  u_strFromUTF8(wide.data(), wideLength + 1, nullptr, name.data(), static_cast<int32_t>(name.size()), &status);
  if (U_FAILURE(status)) return bytewise;
  // Folding can lengthen a string (ß becomes ss); three times the input is always enough.
  std::vector<UChar> folded(static_cast<size_t>(wideLength) * 3 + 1);
  int32_t foldedLength = u_strFoldCase(folded.data(), static_cast<int32_t>(folded.size()), wide.data(), wideLength,
                                       U_FOLD_CASE_DEFAULT, &status);
  if (U_FAILURE(status)) return bytewise;
  std::string result(static_cast<size_t>(foldedLength) * 3 + 1, '\0');
  int32_t resultLength = 0;
  u_strToUTF8(result.data(), static_cast<int32_t>(result.size()), &resultLength, folded.data(), foldedLength, &status);
  if (U_FAILURE(status)) return bytewise;
  result.resize(static_cast<size_t>(resultLength));
  return result;
}

}  // namespace

std::string_view FoldName(std::string_view name, std::string& scratch) {
  if (!FoldAsciiInto(name, scratch)) scratch = FoldUnicode(name);
  return scratch;
}

std::string FoldName(std::string_view name) {
  std::string folded;
  FoldName(name, folded);
  return folded;
}
