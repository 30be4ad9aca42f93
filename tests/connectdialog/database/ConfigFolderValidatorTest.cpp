#include "database/ConfigFolderValidator.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "GlobalConfigWorld.h"
#include "database/ProductSettings.h"
#include "platform/ui/HeadlessUserInterface.h"
#include "support/Golden.h"
#include "support/Joined.h"
#include "support/KeyDump.h"
#include "support/TempFolder.h"

namespace {

using Verdict = ConfigFolderValidator::Verdict;

// Each running product, stored integration (-1: none), new folder and the button scripted (0:
// none, nothing must be asked), then the verdict, the integration stored after, and each message
// shown with its buttons. Folders compare without regard to case, but the file system does not:
// each spelling exists.
TEST(ConfigFolderValidatorTest, IntegrationAndUnsupportedSharingFollowTheRunningProduct) {
  constexpr int HK = kProductHaloKorvo, HF = kProductHaloFyx, K = kProductKorvo;
  struct Case { int product, integrated; char const* newPath; int answer; } const cases[] = {
      {HK, 0, "Cfg/FYX", IDYES}, {HK, 0, "cfg/fyx", IDNO}, {HK, -1, "cfg/fyx", 0}, {HK, 1, "cfg/fyx", 0},
      {HK, 0, "cfg/other", 0}, {HF, 0, "cfg/halokorvo", IDNO}, {HF, 1, "CFG/KORVO", 0}, {K, 0, "cfg/FYX", 0},
      {K, 0, "cfg/halokorvo", 0}, {HK, 0, "", 0}, {HK, 0, "cfg/missing", 0}, {HK, 0, "cfg/file", 0},
      {HF, 0, "relative", 0},
  };
  TempFolder base;
  for (char const* folder : {"Cfg/FYX", "cfg/fyx", "cfg/other", "cfg/halokorvo", "CFG/KORVO", "cfg/FYX"})
    std::filesystem::create_directories(base / folder);
  std::ofstream(base / "cfg/file") << "not a folder";
  std::string transcript;
  char const* const verdicts[] = {"accepted", "rejected", "rejected, refocus"};
  for (Case const& c : cases) {
    GlobalConfigWorld world(c.product);
    ProductSettings::SetConfigPath("Korvo", (base / "cfg/korvo").c_str());
    ProductSettings::SetConfigPath("HaloKorvo", (base / "cfg/halokorvo").c_str());
    ProductSettings::SetConfigPath("HaloFyx", (base / "cfg/fyx").c_str());
    if (c.integrated >= 0) ProductSettings::SetIntegrated(c.integrated);
    HeadlessUserInterface ui;
    if (c.answer) ui.Script(c.answer);
    SetUserInterface(&ui);
    std::string const newPath = *c.newPath && std::string(c.newPath) != "relative" ? base / c.newPath : c.newPath;
    Verdict const verdict = ConfigFolderValidator::Check(newPath);
    SetUserInterface(nullptr);
    EXPECT_EQ(0u, ui.PendingAnswers()) << "a scripted answer was not asked for";
    transcript += Joined(LookupProductName(c.product), c.integrated, c.newPath, c.answer) + " -> " +
                  Joined(verdicts[static_cast<int>(verdict)], ProductSettings::Integrated()) + "\n";
    for (ShownDialog const& shown : ui.Shown()) {
      std::string text = shown.text;
      size_t const at = text.find(base.Path());
      if (at != std::string::npos) text.replace(at, base.Path().size(), "<base>");
      transcript += "  " + Joined(shown.type, DumpText(text)) + "\n";
    }
  }
  ExpectGolden("connectdialog/config_folder_checks.txt", transcript);
}

}  // namespace
