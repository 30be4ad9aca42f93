// The printing pages' two secondary dialogs, driven from their pages as a user would: the
// pass-through printing settings (with the port settings inside it) from the session's Printing
// page, the port settings from the Advanced printing pages of both dialogs. A dialog's OK is
// stored only when its owner's OK is; any Cancel leaves the store as it was, byte for byte.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "VProfileKey.h"
#include "VProfileStore.h"
#include "VPropertyTreeSteps.h"
#include "connectdialog/database/GlobalConfigWorld.h"
#include "database/GlobalConfig.h"
#include "dialogs/GlobalOptionsDialog.h"
#include "dialogs/PrinterDialogs.h"
#include "dialogs/SessionOptionsDialog.h"
#include "dialogs/SessionPrintingPage.h"
#include "library/LibraryState.h"
#include "platform/ui/DialogPresenter.h"
#include "platform/ui/HeadlessDialogPresenter.h"
#include "platform/ui/HeadlessUserInterface.h"
#include "platform/ui/UserInterface.h"
#include "session/ConnectProtocolTable.h"
#include "session/LoadProtocolDll.h"
#include "session/SessionConfig.h"
#include "support/DialogSteps.h"
#include "support/KeyDump.h"
#include "vutils/MemoryKey.h"

namespace {

// Both dialogs have more than one page labelled "Advanced": the printing one is reached from Printing.
std::vector<DialogStep> const kToPrinting{Expand("Terminal"), Expand("Printing"), Select("Printing")};
std::vector<DialogStep> const kToAdvancedPrinting{Expand("Terminal"), Expand("Printing"), Select("Printing"),
                                                  Step("key", {{"keys", "Ctrl+PgDn"}})};

std::vector<DialogStep> Joined(std::vector<std::vector<DialogStep>> parts) {
  std::vector<DialogStep> steps;
  for (auto& part : parts) steps.insert(steps.end(), part.begin(), part.end());
  return steps;
}

// How the dialogs end, innermost first, and whether the change is then stored.
struct Ending {
  std::vector<char const*> steps;
  bool stored;
};
std::vector<Ending> const kTwoDialogs{{{"ok", "cancel"}, false}, {{"cancel", "ok"}, false}, {{"ok", "ok"}, true}};
// The port settings opened from the pass-through dialog: cancelling that one takes them back too.
std::vector<Ending> const kThreeDialogs{{{"ok", "cancel", "ok"}, false},
                                        {{"cancel", "ok", "ok"}, false},
                                        {{"ok", "ok", "cancel"}, false},
                                        {{"ok", "ok", "ok"}, true}};

std::string Named(Ending const& ending) {
  std::string name;
  for (char const* step : ending.steps) name += std::string(name.empty() ? "" : " then ") + step;
  return name;
}

// The store's dump without the tree state that every run of a property-tree dialog keeps.
std::string WithoutTreeState(std::string const& dump) {
  std::string kept;
  for (size_t start = 0; start < dump.size();) {
    size_t const end = dump.find('\n', start) + 1;
    std::string const line = dump.substr(start, end - start);
    if (!line.starts_with("Global Options Tree ")) kept += line;
    start = end;
  }
  return kept;
}

class PrinterDialogsTest : public ::testing::Test {
 protected:
  PrinterDialogsTest() {
    SessionOptionsDialog::DeleteStateMap();
    GlobalOptionsDialog::DeleteStateMap();
    GetConnectProtocolTable().RemoveAll();
    IsHaloKorvo_Korvo_Installed(true);
    IsHaloFyx_Installed(true);
    for (auto [row, product] : {std::pair{4, 3}, {10, 6}, {-1, 3}}) {
      int index = -1;
      bool exitRequested = false, warn = false;
      EXPECT_TRUE(LoadProtocolDll(row < 0 ? nullptr : BUILT_HOST_BASE_DIR, row < 0 ? 0 : row, product, nullptr, nullptr,
                                  nullptr, nullptr, nullptr, nullptr, &index, &exitRequested, &warn));
    }
    SetUserInterface(&ui);
    VPropertyTreeSteps::AddTo(presenter);
    SetDialogPresenter(&presenter);
  }
  ~PrinterDialogsTest() override {
    SetDialogPresenter(nullptr);
    SetUserInterface(nullptr);
    IsHaloKorvo_Korvo_Installed(false);
    IsHaloFyx_Installed(false);
    GetConnectProtocolTable().RemoveAll();
    SessionOptionsDialog::DeleteStateMap();
    GlobalOptionsDialog::DeleteStateMap();
  }
  int Run(DialogModel& dialog, std::vector<DialogStep> const& steps) {
    EXPECT_TRUE(presenter.Play(DialogScript{Numbered(steps), {}, {}}, ui));
    int const code = dialog.DoModal();
    EXPECT_FALSE(presenter.Finish()) << presenter.GetFailure()->error << " at step " << presenter.GetFailure()->step;
    return code;
  }
  // The session's Session Options run over `steps`, then stored as a host stores it: saved on
  // OK, rolled back and saved on Cancel.
  void EditSession(std::vector<DialogStep> const& steps) {
    SessionConfig session(CString("lab"), memory.key);
    session.Checkpoint();
    SessionOptionsDialog dialog(&config, &session);
    int const code = Run(dialog, steps);
    dialog.OnDestroy();
    if (code != IDOK) session.Rollback();
    session.Save(memory.key, false);
  }

  GlobalConfigWorld world{kProductHaloKorvo};
  MemoryKey memory;
  HeadlessUserInterface ui;
  HeadlessDialogPresenter presenter;
  GlobalConfig config{nullptr};
};

TEST_F(PrinterDialogsTest, TheSessionsPrintingDialogsStoreOnlyWhenAllAreConfirmed) {
  // Pass-through printing goes to a port already, so the port settings are open to change.
  auto storeFresh = [this] {
    SessionConfig fresh(CString("lab"), nullptr);
    fresh.SetTerminalProtocol("SSH2");
    fresh.SetTransferProtocol("SFTP");
    fresh.usePrinterPort = 1;
    fresh.Save(memory.key, true);
  };
  storeFresh();
  struct Route {
    char const* name;
    std::vector<DialogStep> open;    // from the dialog to the innermost secondary dialog
    std::vector<DialogStep> change;  // inside it
    std::vector<Ending> endings;
    std::vector<std::pair<char const*, std::string>> stored;
  };
  std::vector<DialogStep> const portChange{Choose(PrinterDialogs::kBaudRate, "9600"), Choose(PrinterDialogs::kParity, "Even"),
                                           Set(PrinterDialogs::kXonFlow, "true")};
  std::vector<std::pair<char const*, std::string>> const portStored{
      {"Printer Baud Rate", "dword 9600"}, {"Printer Parity", "dword 2"}, {"Printer XON Flow", "dword 1"}};
  for (Route const& route : {
           Route{"pass-through from Printing",
                 Joined({kToPrinting, {Press(SessionPrintingPage::kPassThrough)}}),
                 {Set(PrinterDialogs::kDisable, "true"), Set(PrinterDialogs::kBuffer, "true"),
                  Choose(PrinterDialogs::kPort, "/dev/ttyUSB0")},
                 kTwoDialogs,
                 {{"Disable Pass Through Printing", "dword 1"}, {"Buffer Pass Through Printing", "dword 1"},
                  {"Printer Port", "sz \"/dev/ttyUSB0\""}}},
           Route{"port settings inside pass-through",
                 Joined({kToPrinting, {Press(SessionPrintingPage::kPassThrough), Press(PrinterDialogs::kPortSettings)}}),
                 portChange, kThreeDialogs, portStored},
           Route{"port settings from Advanced", Joined({kToAdvancedPrinting, {Press(1637)}}), portChange, kTwoDialogs,
                 portStored},
       }) {
    for (Ending const& ending : route.endings) {
      std::string const label = std::string(route.name) + ": " + Named(ending);
      std::string const before = DumpKey(memory.key);
      std::vector<DialogStep> steps = Joined({route.open, route.change});
      for (char const* end : ending.steps) steps.push_back(Step(end));
      EditSession(steps);
      if (!ending.stored) {
        EXPECT_EQ(DumpKey(memory.key), before) << label;
        continue;
      }
      for (auto const& [name, value] : route.stored) EXPECT_EQ(DumpValue(memory.key, name), value) << label << ": " << name;
      storeFresh();
    }
  }
}

TEST_F(PrinterDialogsTest, TheGlobalPortSettingsStoreOnlyWhenBothAreConfirmed) {
  GlobalConfig* global = nullptr;
  GetGlobalConfig(global);
  global->usePrinterPort = 1;
  global->Save();
  auto dump = [] {
    VProfileStore store(true, nullptr);
    return WithoutTreeState(DumpKey(store.Root()));
  };
  for (Ending const& ending : kTwoDialogs) {
    std::string const before = dump();
    GlobalOptionsDialog dialog(*global);
    int const code = Run(dialog, Joined({kToAdvancedPrinting,
                                         {Press(1441), Choose(PrinterDialogs::kBaudRate, "115200"),
                                          Choose(PrinterDialogs::kStopBits, "2"), Set(PrinterDialogs::kCtsFlow, "false"),
                                          Step(ending.steps[0]), Step(ending.steps[1])}}));
    if (code == IDOK) global->Save();
    if (!ending.stored) {
      EXPECT_EQ(dump(), before) << Named(ending);
      continue;
    }
    VProfileStore store(true, nullptr);
    VProfileKey key(store.Root(), "Global");
    EXPECT_EQ(DumpValue(&key, "Printer Baud Rate"), "dword 115200");
    EXPECT_EQ(DumpValue(&key, "Printer Stop Bits"), "dword 2");
    EXPECT_EQ(DumpValue(&key, "Printer CTS Flow"), "dword 0");
  }
}

}  // namespace
