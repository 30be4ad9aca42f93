#include <gtest/gtest.h>

#include <charconv>
#include <optional>
#include <sstream>

#include "VReportMessageParams.h"
#include "VValidateMargins.h"
#include "platform/printer/Printer.h"
#include "platform/ui/HeadlessUserInterface.h"
#include "support/CaseFile.h"

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

// Each check on its own, the minimums in their order: left, right, top, bottom.
TEST_F(VValidateMarginsTest, MinimumAndLayoutChecks) {
  printer.metrics = Letter();
  ExpectCaseFile("vutils/margin_checks.txt", [](std::string const& input) {
    std::istringstream words(input);
    std::string check;
    VMarginData margins{};
    words >> check >> margins.left >> margins.right >> margins.top >> margins.bottom;
    VValidateMargins validate;
    EXPECT_TRUE(validate.Setup(margins, nullptr)) << input;
    double minimum = -1;
    bool const passes = check == "layout" ? validate.CheckLayout() : validate.CheckMinimums(minimum);
    std::string answer = std::string(passes ? "passes" : "refused") + ", message \"" + validate.GetMessage().Str() + "\"";
    if (check == "layout") return answer;
    char shortest[32];
    return answer + ", minimum " + std::string(shortest, std::to_chars(shortest, std::end(shortest), minimum).ptr);
  });
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
