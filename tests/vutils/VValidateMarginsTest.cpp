#include <gtest/gtest.h>

#include <optional>

#include "VReportMessageParams.h"
#include "VValidateMargins.h"
#include "platform/printer/Printer.h"
#include "platform/ui/HeadlessUserInterface.h"

namespace {

// A default printer whose presence, page and line heights the test decides; installed as the
// process's printer for its lifetime.
struct FakePrinter : Printer {
  FakePrinter() { SetPrinter(this); }
  ~FakePrinter() override { SetPrinter(nullptr); }
  bool HasDefaultPrinter() override { return present; }
  bool GetDefaultMetrics(PrinterMetrics& out) override {
    if (metrics) out = *metrics;
    return metrics.has_value();
  }
  // One line is the font's height in either sign, plus a leading of two units.
  int GetLineHeight(LOGFONT const& font, int dpiY) override {
    lastFont = font;
    lastDpiY = dpiY;
    return (font.lfHeight < 0 ? -font.lfHeight : font.lfHeight) + 2;
  }
  bool present = true;
  std::optional<PrinterMetrics> metrics;  // none: the printer cannot be opened
  LOGFONT lastFont{};
  int lastDpiY = 0;
};

// A letter sheet at 600 by 300 dpi whose unprintable borders differ on every side: left 0.25,
// right 1/3, top 0.3 and bottom 0.2 inches.
PrinterMetrics Letter() { return PrinterMetrics{5100, 3300, 150, 90, 4750, 3150, 600, 300}; }

class VValidateMarginsTest : public ::testing::Test {
 protected:
  VValidateMarginsTest() { SetUserInterface(&ui); }
  ~VValidateMarginsTest() override { SetUserInterface(nullptr); }
  HeadlessUserInterface ui;
  FakePrinter printer;
};

TEST_F(VValidateMarginsTest, PrinterFailuresAreShownAsWarnings) {
  struct Case { bool present, opens; unsigned long code; };
  Case const cases[] = {{false, true, 0xE104004B}, {true, false, 0xE104004A}};
  for (Case const& c : cases) {
    printer.present = c.present;
    printer.metrics.reset();
    if (c.opens) printer.metrics = Letter();
    VValidateMargins validate;
    EXPECT_FALSE(validate.Setup(VMarginData{0.5, 0.5, 0.5, 0.5}, nullptr));
    ASSERT_FALSE(ui.Shown().empty());
    ShownDialog const& shown = ui.Shown().back();
    EXPECT_EQ(shown.type, MB_OK | MB_ICONWARNING);
    VReportMessageParams report;
    report.Reset(c.code);
    EXPECT_EQ(shown.text, report.GetText());
  }
  EXPECT_EQ(ui.Shown().size(), 2u);
}

TEST_F(VValidateMarginsTest, MarginsBecomeDevicePositionsFromThePrintableCorner) {
  printer.metrics = Letter();
  VValidateMargins validate;
  ASSERT_TRUE(validate.Setup(VMarginData{0.5, 1.0, 0.75, 0.25}, nullptr));
  // Left, right, top and bottom.
  EXPECT_EQ((std::vector<int64_t>{validate.Left(), validate.Right(), validate.Top(), validate.Bottom()}),
            (std::vector<int64_t>{300 - 150, 5100 - 600 - 150, 225 - 90, 3300 - 75 - 90}));
  EXPECT_TRUE(ui.Shown().empty());
}

TEST_F(VValidateMarginsTest, MinimumChecksInOrder) {
  struct Case { VMarginData margins; char const* message; double minimum; };  // an empty message: the check passes
  Case const cases[] = {
      {{0.5, 0.5, 0.5, 0.5}, "", -1},
      {{0.25, 1.0 / 3, 0.3, 0.2}, "", -1},  // exactly the printable area
      {{0.2492, 0.5, 0.5, 0.5}, "", -1},    // rounds up to the printable edge
      {{0.2491, 0.5, 0.5, 0.5}, "The minimum left margin is 0.250", 0.25},
      {{0, 0, 0, 0}, "The minimum left margin is 0.250", 0.25},
      {{0.5, 0.3, 0, 0}, "The minimum right margin is 0.333", 200.0 / 600},
      {{0.5, 0.5, 0.29, 0}, "The minimum top margin is 0.300", 0.3},
      {{0.5, 0.5, 0.5, 0.19}, "The minimum bottom margin is 0.200", 0.2},
  };
  printer.metrics = Letter();
  for (Case const& c : cases) {
    VValidateMargins validate;
    ASSERT_TRUE(validate.Setup(c.margins, nullptr));
    double minimum = -1;
    EXPECT_EQ(validate.CheckMinimums(minimum), *c.message == '\0') << c.message;
    EXPECT_EQ(validate.GetMessage(), c.message);
    EXPECT_DOUBLE_EQ(minimum, c.minimum) << c.message;
  }
}

TEST_F(VValidateMarginsTest, LayoutCheck) {
  struct Case { VMarginData margins; bool passes; };
  Case const cases[] = {
      {{0.5, 0.5, 0.5, 0.5}, true},
      {{4.25, 4.25, 0.5, 0.5}, true},  // left meets right
      {{4.5, 4.5, 0.5, 0.5}, false},   // together wider than the page
      {{0.5, 0.5, 6, 6}, false},       // together taller than the page
      {{9, -1, 0.5, 0.5}, false},      // left off the page
      {{0.5, 0.5, 0.5, -1}, false},    // bottom off the page
      {{1e300, 0.5, 0.5, 0.5}, false},
  };
  printer.metrics = Letter();
  for (Case const& c : cases) {
    VValidateMargins validate;
    ASSERT_TRUE(validate.Setup(c.margins, nullptr));
    EXPECT_EQ(validate.CheckLayout(), c.passes) << c.margins.left << "," << c.margins.right;
    EXPECT_EQ(validate.GetMessage(), c.passes ? "" : "Margins are either off the page or overlap");
  }
}

TEST_F(VValidateMarginsTest, AFontIsMeasuredAtThePrinterResolution) {
  printer.metrics = Letter();
  LOGFONT font{};
  font.lfHeight = -16;
  font.lfWidth = 8;
  VValidateMargins validate;
  ASSERT_TRUE(validate.Setup(VMarginData{0.5, 0.5, 0.5, 0.5}, &font));
  // Height: 16 screen pixels at 300 dpi; width: 8 at 600 dpi.
  EXPECT_EQ((std::vector<int>{printer.lastFont.lfHeight, printer.lastFont.lfWidth, printer.lastDpiY,
                              validate.GetLineHeight()}), (std::vector<int>{-50, 50, 300, 52}));
}

}  // namespace
