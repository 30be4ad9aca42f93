#include <gtest/gtest.h>

#include <climits>
#include <cstring>

#include "MemoryKey.h"
#include "VLogFont.h"
#include "VMarginData.h"
#include "VProfile2.h"
#include "platform/types/WindowPlacement.h"
#include "support/KeyDump.h"

namespace {

class VStoredRecordsTest : public ::testing::Test, protected MemoryKey {
 protected:
  // Saves `record` under `name` and gives back what the store holds, as "binary <hex>".
  template <typename T>
  std::string Saved(char const* name, T const& record) {
    VProfile2<T, VProfileBinary> value;
    value.SetName(name);
    value.Load(nullptr, record);
    value.Save(key, false);
    return DumpValue(key, name);
  }
};

VLogFont PrinterFont() { return VLogFont(100, -13, 0, 0, 0, FW_NORMAL, 0, 0, 0, ANSI_CHARSET, 3, 2, 1, 0x31, "Courier New"); }

TEST_F(VStoredRecordsTest, StoredFormsByteForByte) {
  EXPECT_EQ(Saved("Printer Font", PrinterFont()),
            "binary f3ffffff" "00000000" "00000000" "00000000" "90010000" "0000000003020131"
            "436f7572696572204e6577000000000000000000000000000000000000000000" "64000000");
  EXPECT_EQ(Saved("Page Margins", VMarginData{0.5, 0.25, 1.0, 2.0}),
            "binary 000000000000e03f" "000000000000d03f" "000000000000f03f" "0000000000000040");
  WINDOWPLACEMENT const placement{sizeof(WINDOWPLACEMENT), 0, 1, {0, 0}, {-4, -4}, {10, 20, 630, 470}};
  EXPECT_EQ(Saved("Window Placement", placement),
            "binary 2c000000" "00000000" "01000000" "00000000" "00000000" "fcffffff" "fcffffff"
            "0a000000" "14000000" "76020000" "d6010000");
}

TEST(VLogFontTest, PixelHeightConstructorAndPointSizes) {
  // Normal weight, default character set, fixed pitch, 12 points.
  EXPECT_EQ(VLogFont(16, "Courier New"),
            VLogFont(120, -16, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, FIXED_PITCH, "Courier New"));

  std::pair<int32_t, int32_t> const pointSizes[] = {{-16, 120}, {16, 120}, {-13, 97}, {13, 97}, {-1, 7}, {0, 0},
                                                     {INT_MIN, INT_MAX}};  // by height
  for (auto const& [height, pointSize] : pointSizes) {
    LOGFONT logical{};
    logical.lfHeight = height;
    VLogFont assigned(20, "x");
    assigned = logical;
    EXPECT_EQ(assigned.pointSize, pointSize) << height;
    EXPECT_EQ(assigned.lfHeight, height);
    EXPECT_EQ(VLogFont(static_cast<int>(-int64_t{height}), "x").pointSize, pointSize) << height;
  }
  LOGFONT logical{};
  logical.lfHeight = -13;
  EXPECT_EQ(VLogFont(logical, 100).pointSize, 100);  // an explicit size is kept
}

TEST(VLogFontTest, FaceNamesAreBoundedAndZeroFilled) {
  char const* const longFace = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghij";  // 36 characters
  VLogFont const truncated(10, longFace);
  EXPECT_EQ(std::string(truncated.lfFaceName), std::string(longFace, 31));
  EXPECT_EQ(VLogFont(10, nullptr).lfFaceName[0], '\0');
  LOGFONT logical{};
  std::memset(logical.lfFaceName, 'Z', LF_FACESIZE);  // unterminated
  std::memcpy(logical.lfFaceName, "Mono", 5);
  VLogFont const fromLogical(logical, 90);
  VLogFont assigned(10, "x");
  assigned = logical;
  for (VLogFont const* font : {&fromLogical, static_cast<VLogFont const*>(&assigned)}) {
    EXPECT_STREQ(font->lfFaceName, "Mono");
    for (int i = 4; i < LF_FACESIZE; ++i) EXPECT_EQ(font->lfFaceName[i], '\0') << i;
  }
}

TEST(VLogFontTest, EqualityCoversEveryFieldAndTheFaceCase) {
  VLogFont const base = PrinterFont();
  EXPECT_EQ(base, PrinterFont());
  std::pair<std::function<void(VLogFont&)>, bool> const edits[] = {
      {[](VLogFont& f) { std::memcpy(f.lfFaceName, "courier new", 12); }, false},
      {[](VLogFont& f) { f.pointSize = 101; }, false}, {[](VLogFont& f) { f.lfPitchAndFamily = 0x30; }, false},
      {[](VLogFont& f) { f.lfFaceName[20] = 'q'; }, true}};  // behind the terminator
  for (auto const& [edit, equal] : edits) {
    VLogFont other = base;
    edit(other);
    EXPECT_EQ(base == other, equal);
  }
}

}  // namespace
