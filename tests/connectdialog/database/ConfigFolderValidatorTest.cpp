#include "database/ConfigFolderValidator.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "GlobalConfigWorld.h"
#include "database/ProductSettings.h"
#include "platform/ui/HeadlessUserInterface.h"
#include "support/TempFolder.h"

namespace {

using Verdict = ConfigFolderValidator::Verdict;

TEST(ConfigFolderValidatorTest, IntegrationAndUnsupportedSharingFollowTheRunningProduct) {
  struct Case {
    int product;
    int integrated;  // -1: missing
    char const* newPath;
    int answer;  // the scripted button, 0 when nothing should be asked
    Verdict verdict;
    unsigned long shown;  // the message's first words identify it; 0: nothing shown
    int integratedAfter;
  };
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
  auto const absolute = [&](char const* path) { return std::string(*path ? base / path : ""); };
  for (Case const& c : cases) {
    GlobalConfigWorld world(c.product);
    ProductSettings::SetConfigPath("Korvo", (base / "cfg/korvo").c_str());
    ProductSettings::SetConfigPath("HaloKorvo", (base / "cfg/halokorvo").c_str());
    ProductSettings::SetConfigPath("HaloFyx", (base / "cfg/fyx").c_str());
    if (c.integrated >= 0) ProductSettings::SetIntegrated(c.integrated);
    HeadlessUserInterface ui;
    if (c.answer) ui.Script(c.answer);
    SetUserInterface(&ui);
    std::string const newPath = std::string(c.newPath) == "relative" ? "relative" : absolute(c.newPath);
    EXPECT_EQ(c.verdict, ConfigFolderValidator::Check(newPath)) << c.product << " " << newPath;
    SetUserInterface(nullptr);
    EXPECT_EQ(0u, ui.PendingAnswers()) << "a scripted answer was not asked for";
    EXPECT_EQ(c.integratedAfter, ProductSettings::Integrated());
    ASSERT_EQ(c.shown ? 1u : 0u, ui.Shown().size()) << c.product << " " << c.newPath;
    if (!c.shown) continue;
    std::string const& text = ui.Shown()[0].text;
    unsigned int const type = ui.Shown()[0].type;
    if (c.shown == 0xA1600010) {
      std::string const running = c.product == kProductHaloFyx ? "HaloFyx" : "HaloKorvo";
      std::string const other = c.product == kProductHaloFyx ? "HaloKorvo" : "HaloFyx";
      EXPECT_EQ(running + " is currently not integrated with " + other + ".  The selected folder is the same\r\n",
                text.substr(0, text.find('\n') + 1));
      EXPECT_EQ(MB_YESNO | MB_ICONQUESTION, type);
    } else if (c.shown == 0xE1600002) {
      EXPECT_EQ("The folder is not valid:\r\n\r\n'" + newPath + "'\r\n\r\nPlease choose another folder.\r\n", text);
      EXPECT_EQ(MB_OK | MB_ICONERROR, type);
    } else {
      char const* const first = c.shown == 0xE160000A ? "The config path for Korvo is the same"
                                                      : "The config path for HaloFyx is the same";
      EXPECT_EQ(0u, text.find(first)) << text;
      EXPECT_EQ(MB_OK | MB_ICONERROR, type);
    }
  }
}

}  // namespace
