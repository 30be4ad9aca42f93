#include "session/LoadProtocolDll.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "connectdialog/session/PluginFolder.h"
#include "connectdialog/session/RecordingShell.h"
#include "library/LibraryState.h"
#include "library/ProductInfo.h"
#include "platform/types/IndexOutOfRange.h"
#include "platform/ui/HeadlessUserInterface.h"
#include "session/ConnectProtocolTable.h"
#include "session/NoneConfig.h"
#include "support/CaseFile.h"
#include "support/CaseInputFields.h"
#include "support/Joined.h"
#include "support/KeyDump.h"

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

// A case is "ROW FILE KIND", then "ssh1" for an SSH1.enable file and "quiet" for no warning asked;
// a loaded plug-in fills its element from the host's callbacks.
TEST_F(LoadProtocolDllTest, OutcomeOfEachKindOfPlugin) {
  ExpectCaseFile("connectdialog/plugin_outcomes.txt", [&](std::string const& input) {
    std::vector<std::string> const words = CaseInputFields(input, " ");
    PluginFolder own;
    Plugin const kind =
        words[2] == "foreign" ? Plugin::Foreign : words[2] == "garbage" ? Plugin::Garbage : Plugin::Current;
    if (words[1] != "none") own.Install(words[1], kind);
    if (input.find(" ssh1") != std::string::npos) WriteFileBytes(own.Protocols() + "SSH1.enable", "");
    size_t const shownBefore = ui.Shown().size();
    int const sizeBefore = GetConnectProtocolTable().GetSize();
    Outcome const outcome = Load(own.Base().c_str(), std::stoi(words[0]), 3, !input.ends_with(" quiet"));
    std::string const text = "loaded " + Joined(outcome.result) + ", index " + std::to_string(outcome.index) + " of " +
                             std::to_string(sizeBefore) + ", exit " + Joined(outcome.exitRequested) + ", table +" +
                             std::to_string(GetConnectProtocolTable().GetSize() - sizeBefore) + ", shown " +
                             std::to_string(ui.Shown().size() - shownBefore) + "\n";
    if (!outcome.result) return text;
    ConnectProtocolTableElement const& element = GetConnectProtocolTable()[outcome.index];
    std::string path = element.filePath.Str();
    if (path.starts_with(own.Base())) path.replace(0, own.Base().size(), "<base>/");
    ConnectConfig* record = element.CreateRecord(nullptr, nullptr);
    int const port = record ? record->GetPort() : -1;
    if (record) record->Release();
    return text + element.protocolName.Str() + " from " + path + (element.module ? ", module" : ", no module") +
           ", fields " + Joined(element.pluginFields[0], element.pluginFields[1], element.pluginFields[2]) +
           ", port " + std::to_string(port) + "\n";
  });
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

// A case is "NEWER|BUTTON": whether the plug-in is newer than the host, and the button pressed.
TEST_F(LoadProtocolDllTest, IntegratedHostOffersTheUpgrade) {
  namespace fs = std::filesystem;
  IsHaloKorvo_Korvo_Installed(true);
  IsHaloFyx_Installed(true);
  appName = "HaloFyx";
  fs::file_time_type const built = fs::last_write_time(fs::read_symlink("/proc/self/exe"));
  ExpectCaseFile("connectdialog/upgrade_offers.txt", [&](std::string const& input) {
    PluginFolder own;
    std::string const path = own.Install("Telnet.so", Plugin::Foreign);
    fs::last_write_time(path, input[0] == '1' ? built + std::chrono::hours(1) : built - std::chrono::hours(1));
    shell.opened.clear();
    ui.Script(static_cast<UpgradeChoice>(input[2] - '0'));
    Outcome const outcome = Load(own.Base().c_str(), 6, 3, true);
    ShownDialog const& offer = ui.Shown().back();
    EXPECT_EQ(offer.kind, ShownDialog::Kind::UpgradeOffer);
    std::string text = "-> " + Joined(outcome.result, outcome.exitRequested, outcome.warn) + "\n";
    for (std::string const& opened : shell.opened) text += "  opened " + opened + "\n";
    text += "  " + Joined(offer.caption, DumpText(offer.text)) + "\n";
    for (std::string const& button : offer.buttons) text += "  [" + button + "]\n";
    return text;
  });
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
