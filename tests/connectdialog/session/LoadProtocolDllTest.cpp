#include "session/LoadProtocolDll.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "library/LibraryState.h"
#include "library/ProductInfo.h"
#include "platform/types/IndexOutOfRange.h"
#include "platform/ui/HeadlessUserInterface.h"
#include "session/ConnectProtocolTable.h"
#include "session/NoneConfig.h"
#include "support/Golden.h"
#include "support/Joined.h"
#include "support/KeyDump.h"
#include "connectdialog/session/PluginFolder.h"
#include "connectdialog/session/RecordingShell.h"

namespace {

using Plugin = PluginFolder::Plugin;

std::string appName;
char const* AppName() { return appName.c_str(); }
char const* HostText() { return "txt"; }

struct Outcome { bool result; int index; bool exitRequested; bool warn; };

class LoadProtocolDllTest : public testing::Test {
 protected:
  LoadProtocolDllTest() {
    GetConnectProtocolTable().RemoveAll();
    SetUserInterface(&ui);
    appName = "HaloKorvo";
    IsKorvo_Installed(false);
    IsHaloKorvo_Korvo_Installed(false);
    IsHaloFyx_Installed(false);
    ConnectDialogDllInitSSH2GlobalPages(nullptr, nullptr);
  }
  ~LoadProtocolDllTest() override {
    SetUserInterface(nullptr);
    GetConnectProtocolTable().RemoveAll();
  }
  Outcome Load(char const* directory, int row, int productId, bool warn) {
    Outcome outcome{false, 99, true, warn};
    outcome.result = LoadProtocolDll(directory, row, productId, nullptr, nullptr, nullptr, AppName, HostText, nullptr,
                                     &outcome.index, &outcome.exitRequested, &outcome.warn);
    return outcome;
  }
  Outcome Load(int row, bool warn = true) { return Load(folder.Base().c_str(), row, 3, warn); }
  PluginFolder folder;
  HeadlessUserInterface ui;
  RecordingShell shell;
};

TEST_F(LoadProtocolDllTest, NoFolderRegistersNoneAndTheTableRefusesOtherIndexes) {
  Outcome const outcome = Load(nullptr, 4, 3, true);
  ASSERT_TRUE(outcome.result);
  ASSERT_EQ(outcome.index, 0);
  ConnectProtocolTableElement const& none = GetConnectProtocolTable()[0];
  EXPECT_EQ(Joined(none.protocolName, none.filePath, none.productId), "None||3");
  EXPECT_EQ(none.recordFactory, &NoneConfig::Create);
  EXPECT_THROW(GetConnectProtocolTable()[-1], IndexOutOfRange);
  EXPECT_THROW(GetConnectProtocolTable()[1], IndexOutOfRange);
}

TEST_F(LoadProtocolDllTest, OutcomeOfEachKindOfPlugin) {
  // file: installed unless null.
  struct Case { char const* name; int row; char const* file; Plugin plugin; bool enableSsh1; bool warn; bool added;
      size_t shown; };
  Case const cases[] = {
      {"plug-in of this version", 4, "SSH2.so", Plugin::Current, false, true, true, 0},
      {"SSH1 not enabled", 5, "SSH2.so", Plugin::Current, false, true, false, 0},
      {"SSH1 enabled", 5, "SSH2.so", Plugin::Current, true, true, true, 0},
      {"other GUID, quiet", 6, "Telnet.so", Plugin::Foreign, false, false, false, 0},
      {"other GUID, warned", 6, "Telnet.so", Plugin::Foreign, false, true, false, 1},
      {"missing file", 6, nullptr, Plugin::Current, false, true, false, 1},
      {"not a module", 6, "Telnet.so", Plugin::Garbage, false, true, false, 1},
      {"row outside the list", 13, nullptr, Plugin::Current, false, true, false, 0},
      {"negative row", -1, nullptr, Plugin::Current, false, true, false, 0},
  };
  for (Case const& c : cases) {
    PluginFolder own;
    if (c.file) own.Install(c.file, c.plugin);
    if (c.enableSsh1) WriteFileBytes(own.Protocols() + "SSH1.enable", "");
    size_t const shownBefore = ui.Shown().size();
    int const sizeBefore = GetConnectProtocolTable().GetSize();
    Outcome const outcome = Load(own.Base().c_str(), c.row, 3, c.warn);
    EXPECT_EQ(Joined(outcome.result, outcome.index, outcome.exitRequested,
                     GetConnectProtocolTable().GetSize() - sizeBefore, ui.Shown().size() - shownBefore),
              Joined(c.added, c.added ? sizeBefore : -1, false, c.added ? 1 : 0, c.shown)) << c.name;
  }
}

TEST_F(LoadProtocolDllTest, PluginFillsTheElementFromTheHostCallbacks) {
  std::string const path = folder.Install("SSH2.so");
  WriteFileBytes(folder.Protocols() + "SSH1.enable", "");
  ASSERT_TRUE(Load(5).result);
  ConnectProtocolTableElement const& element = GetConnectProtocolTable()[0];
  EXPECT_NE(element.module, nullptr);
  // Then the lengths of appName() and textGetter(), and whether the store getter was handed on.
  EXPECT_EQ(Joined(element.filePath, element.protocolName, element.pluginFields[0], element.pluginFields[1],
                   element.pluginFields[2]), path + "|SSH1|9|3|0");
  ConnectConfig* record = element.CreateRecord(nullptr, nullptr);
  ASSERT_NE(record, nullptr);
  EXPECT_EQ(record->GetPort(), 22);
  record->Release();
}

// Another product's plug-in failing is silent (unless integrated: below).
TEST_F(LoadProtocolDllTest, OnlyTheOwnPluginsFailureShowsTheWarning) {
  Load(6);
  ASSERT_EQ(ui.Shown().size(), 1u);
  EXPECT_EQ(ui.Shown()[0].text, "Unable to load " + folder.Protocols() +
                                    "Telnet.so.\n\nPlease reinstall HaloKorvo or manually remove the DLL so that this "
                                    "warning message will no longer be displayed.\n\nYou can continue, but the Telnet "
                                    "protocol will not be available.");
  EXPECT_EQ(ui.Shown()[0].type, MB_OK | MB_ICONWARNING);
  appName = "HaloFyx";
  folder.Install("Telnet.so", Plugin::Foreign);
  Outcome const outcome = Load(6);
  EXPECT_EQ(Joined(outcome.result, outcome.warn, ui.Shown().size()), "0|1|1");
}

// Whether the plug-in is newer than the host and the button pressed, then the outcome (loaded,
// exit requested, warn), the pages opened and the offer as shown.
TEST_F(LoadProtocolDllTest, IntegratedHostOffersTheUpgrade) {
  namespace fs = std::filesystem;
  IsHaloKorvo_Korvo_Installed(true);
  IsHaloFyx_Installed(true);
  appName = "HaloFyx";
  fs::file_time_type const built = fs::last_write_time(fs::read_symlink("/proc/self/exe"));
  std::string transcript;
  for (auto const [pluginNewer, choice] : {std::pair{false, UpgradeChoice::Download}, {true, UpgradeChoice::Download},
                                           {false, UpgradeChoice::Continue}, {true, UpgradeChoice::Exit}}) {
    PluginFolder own;
    std::string const path = own.Install("Telnet.so", Plugin::Foreign);
    fs::last_write_time(path, pluginNewer ? built + std::chrono::hours(1) : built - std::chrono::hours(1));
    shell.opened.clear();
    ui.Script(choice);
    Outcome const outcome = Load(own.Base().c_str(), 6, 3, true);
    ShownDialog const& offer = ui.Shown().back();
    ASSERT_EQ(offer.kind, ShownDialog::Kind::UpgradeOffer);
    transcript += Joined(pluginNewer, static_cast<int>(choice)) + " -> " +
                  Joined(outcome.result, outcome.exitRequested, outcome.warn) + "\n";
    for (std::string const& opened : shell.opened) transcript += "  opened " + opened + "\n";
    transcript += "  " + Joined(offer.caption, DumpText(offer.text)) + "\n";
    for (std::string const& button : offer.buttons) transcript += "  [" + button + "]\n";
  }
  ExpectGolden("connectdialog/upgrade_offers.txt", transcript);
}

TEST_F(LoadProtocolDllTest, AnElementLoadsOnce) {
  ConnectProtocolTableElement element;
  element.filePath = folder.Install("SSH2.so").c_str();
  EXPECT_NE(element.Load(nullptr, nullptr, nullptr, AppName, HostText, nullptr), nullptr);
  EXPECT_EQ(element.Load(nullptr, nullptr, nullptr, AppName, HostText, nullptr), nullptr);
}

void RecordGlobalPages(IPropertyTreeDialog* dialog, int) { *reinterpret_cast<int*>(dialog) = -1; }

TEST_F(LoadProtocolDllTest, Ssh2RowHandsOverTheGlobalPagesEvenWhenItFails) {
  int marker = 0;
  auto* dialog = reinterpret_cast<IPropertyTreeDialog*>(&marker);
  ConnectDialogDllInitSSH2GlobalPages(RecordGlobalPages, nullptr);
  EXPECT_FALSE(Load(4, false).result);
  CallAddGlobalPages(dialog, 5);
  EXPECT_EQ(marker, 0) << "the do-nothing default replaced the earlier callback";
  folder.Install("SSH2.so");
  EXPECT_TRUE(Load(4, false).result);
  CallAddGlobalPages(dialog, 5);
  EXPECT_EQ(marker, 5) << "the plug-in's callback";
}

}  // namespace
