#include "database/ConfigFolderValidator.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>

#include "GlobalConfigWorld.h"
#include "database/ProductSettings.h"
#include "platform/ui/HeadlessUserInterface.h"
#include "support/TempFolder.h"

namespace {

using Verdict = ConfigFolderValidator::Verdict;

TEST(ConfigFolderValidatorTest, IntegrationAndUnsupportedSharingFollowTheRunningProduct) {
  // integrated -1: missing; answer: the scripted button, 0 when nothing should be asked; shown: the
  // message's code, 0 when nothing is shown.
  struct Case { int product, integrated; char const* newPath; int answer; Verdict verdict; unsigned long shown;
      int integratedAfter; };
  Case const cases[] = {
      {kProductHaloKorvo, 0, "Cfg/FYX", IDYES, Verdict::Accepted, 0xA1600010, 1},
      {kProductHaloKorvo, 0, "cfg/fyx", IDNO, Verdict::RejectedRefocus, 0xA1600010, 0},
      {kProductHaloKorvo, -1, "cfg/fyx", 0, Verdict::Accepted, 0, -1},
      {kProductHaloKorvo, 1, "cfg/fyx", 0, Verdict::Accepted, 0, 1},
      {kProductHaloKorvo, 0, "cfg/other", 0, Verdict::Accepted, 0, 0},
      {kProductHaloFyx, 0, "cfg/halokorvo", IDNO, Verdict::RejectedRefocus, 0xA1600010, 0},
      {kProductHaloFyx, 1, "CFG/KORVO", 0, Verdict::Rejected, 0xE160000B, 1},
      {kProductKorvo, 0, "cfg/FYX", 0, Verdict::Rejected, 0xE160000A, 0},
      {kProductKorvo, 0, "cfg/halokorvo", 0, Verdict::Accepted, 0, 0},
      {kProductHaloKorvo, 0, "", 0, Verdict::Accepted, 0, 0},
      {kProductHaloKorvo, 0, "cfg/missing", 0, Verdict::Rejected, 0xE1600002, 0},
      {kProductHaloKorvo, 0, "cfg/file", 0, Verdict::Rejected, 0xE1600002, 0},
      {kProductHaloFyx, 0, "relative", 0, Verdict::Rejected, 0xE1600002, 0},
  };
  // Folders compare without regard to case, but the file system does not: each spelling exists.
  TempFolder base;
  for (char const* folder : {"Cfg/FYX", "cfg/fyx", "cfg/other", "cfg/halokorvo", "CFG/KORVO", "cfg/FYX"})
    std::filesystem::create_directories(base / folder);
  std::ofstream(base / "cfg/file") << "not a folder";
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
    EXPECT_EQ(c.verdict, ConfigFolderValidator::Check(newPath)) << c.product << " " << newPath;
    SetUserInterface(nullptr);
    EXPECT_EQ(0u, ui.PendingAnswers()) << "a scripted answer was not asked for";
    EXPECT_EQ(c.integratedAfter, ProductSettings::Integrated());
    ASSERT_EQ(c.shown ? 1u : 0u, ui.Shown().size()) << c.product << " " << c.newPath;
    if (!c.shown) continue;
    std::string const& text = ui.Shown()[0].text;
    std::string const running = c.product == kProductHaloFyx ? "HaloFyx" : "HaloKorvo";
    std::string const other = c.product == kProductHaloFyx ? "HaloKorvo" : "HaloFyx";
    // Each message's first words; all of it for the invalid folder.
    std::map<unsigned long, std::string> const shown{
        {0xA1600010, running + " is currently not integrated with " + other + ".  The selected folder is the same\r\n"},
        {0xE1600002, "The folder is not valid:\r\n\r\n'" + newPath + "'\r\n\r\nPlease choose another folder.\r\n"},
        {0xE160000A, "The config path for Korvo is the same"}, {0xE160000B, "The config path for HaloFyx is the same"}};
    EXPECT_EQ(c.shown == 0xE1600002 ? text : text.substr(0, shown.at(c.shown).size()), shown.at(c.shown));
    EXPECT_EQ(ui.Shown()[0].type, c.shown == 0xA1600010 ? MB_YESNO | MB_ICONQUESTION : MB_OK | MB_ICONERROR);
  }
}

}  // namespace
