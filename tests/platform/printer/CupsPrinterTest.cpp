#include <gtest/gtest.h>

#include <climits>

#include "platform/printer/CupsPrinter.h"

namespace {

// Line heights need no printer: they come from the font alone.
TEST(CupsPrinterTest, LineHeightAddsAFifthOfTheCharacterHeight) {
  struct Case { int32_t height; int dpiY; int expected; };
  Case const cases[] = {
      {-50, 600, 60},         // character height: a fifth more
      {-13, 600, 16},         // 2.6 rounds to 3
      {-12, 600, 14},         // 2.4 rounds to 2
      {40, 600, 40},          // cell height: taken as it is
      {0, 600, 120},          // no height: 12 points of 100 units
      {0, 300, 60},
      {INT_MIN, 600, INT_MAX},  // saturates
  };
  CupsPrinter printer;
  for (Case const& c : cases) {
    LOGFONT font{};
    font.lfHeight = c.height;
    EXPECT_EQ(printer.GetLineHeight(font, c.dpiY), c.expected) << c.height << " at " << c.dpiY;
  }
}

}  // namespace
