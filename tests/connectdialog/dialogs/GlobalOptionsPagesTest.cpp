#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "VOptionList.h"
#include "VProfileKey.h"
#include "VProfileStore.h"
#include "VPropertyTreeSteps.h"
#include "connectdialog/database/GlobalConfigWorld.h"
#include "database/GlobalConfig.h"
#include "database/SessionDatabase.h"
#include "dialogs/GlobalOptionsDialog.h"
#include "dialogs/GlobalPageControls.h"
#include "dialogs/SessionOptionsDialog.h"
#include "library/LibraryState.h"
#include "library/ProductInfo.h"
#include "platform/ui/DialogPresenter.h"
#include "platform/ui/HeadlessDialogPresenter.h"
#include "platform/ui/HeadlessImageList.h"
#include "platform/ui/HeadlessUserInterface.h"
#include "platform/ui/UserInterface.h"
#include "session/FirewallConfig.h"
#include "session/FirewallStore.h"
#include "session/SessionConfig.h"
#include "support/DialogSteps.h"
#include "support/KeyDump.h"
#include "terminal/ProfileColorSchemeList.h"
#include "terminal/RgbText.h"
#include "transfer/FileTypeManager.h"
#include "transfer/IconManager.h"

namespace {

// The whole store as text, to compare byte for byte.
std::string DumpStore() {
  VProfileStore store(true, nullptr);
  return DumpKey(store.Root());
}

class GlobalOptionsPagesTest : public ::testing::Test {
 protected:
  GlobalOptionsPagesTest() {
    GlobalOptionsDialog::DeleteStateMap();
    SessionOptionsDialog::DeleteStateMap();
    IsHaloKorvo_Korvo_Installed(true);
    IsHaloFyx_Installed(true);
    SetUserInterface(&ui);
    VPropertyTreeSteps::AddTo(presenter);
    SetDialogPresenter(&presenter);
    GetGlobalConfig(config);
    std::filesystem::create_directories(folder);
  }
  ~GlobalOptionsPagesTest() override {
    SetDialogPresenter(nullptr);
    SetUserInterface(nullptr);
    IsHaloKorvo_Korvo_Installed(false);
    IsHaloFyx_Installed(false);
    GlobalOptionsDialog::DeleteStateMap();
    SessionOptionsDialog::DeleteStateMap();
  }
  // Runs `dialog` on the headless presenter with the steps, the message-box answers and the texts.
  int Run(DialogModel& dialog, std::vector<DialogStep> const& steps, std::vector<int> answers = {},
          std::vector<std::string> texts = {}) {
    EXPECT_TRUE(presenter.Play(DialogScript{Numbered(steps), answers, texts}, ui));
    int const code = dialog.DoModal();
    EXPECT_FALSE(presenter.Finish()) << presenter.GetFailure()->error << " at step " << presenter.GetFailure()->step;
    return code;
  }
  // The messages shown since the last ClearMessages.
  std::vector<std::string> Messages() const {
    std::vector<std::string> texts;
    for (size_t i = m_seen; i < ui.Shown().size(); ++i)
      if (ui.Shown()[i].kind == ShownDialog::Kind::MessageBox) texts.push_back(ui.Shown()[i].text);
    return texts;
  }
  void ClearMessages() { m_seen = ui.Shown().size(); }

  GlobalConfigWorld world{kProductHaloKorvo};
  ScopedEnv fileTypesRoot{"BRIMVALE_FILETYPES_ROOT", TEST_DATA_DIR "/filetypes"};
  std::string const folder = world.Root() + "/folders";
  HeadlessUserInterface ui;
  HeadlessDialogPresenter presenter;
  GlobalConfig* config = nullptr;
  FileTypeManager types;
  HeadlessImageList small, large;
  IconManager icons{&types, &small, &large};

 private:
  size_t m_seen = 0;
};

// Unbound controls that the pages carry into options of their own forms: what to type, in
// order, and how the stored configuration shows it.
struct Typed {
  char const* page;
  std::vector<std::pair<int, std::string>> values;
  std::function<std::string(GlobalConfig const&)> read;
  std::string expected;
};

std::vector<Typed> TypedControls() {
  std::vector<Typed> typed{
      {"Tabs", {{11444, "New input"}, {11446, "123456"}}, [](GlobalConfig const& c) { return RgbText::Format(static_cast<int>(c.newInputColor)); }, "123456"},
      {"Printing", {{1102, "1.25"}, {1104, "2.5"}, {1103, "0"}, {1105, "100"}},
       [](GlobalConfig const& c) {
         VMarginData const& m = c.pageMargins;
         return std::to_string(m.left) + " " + std::to_string(m.top) + " " + std::to_string(m.right) + " " +
                std::to_string(m.bottom);
       },
       "1.250000 2.500000 0.000000 100.000000"},
      {"FTP", {{1081, "true"}, {1082, "4096"}}, [](GlobalConfig const& c) { return std::to_string(c.receiveBufferSize); }, "4096"},
      {"FTP", {{1084, "true"}, {1085, "65536"}}, [](GlobalConfig const& c) { return std::to_string(c.sendBufferSize); }, "65536"},
      {"FTP", {{1153, "false"}}, [](GlobalConfig const& c) { return std::to_string(c.dataConnectionType); }, "1"},
  };
  for (int i = 0; i < 16; ++i) {
    std::string const color = RgbText::Format(0x010203u * static_cast<unsigned>(i + 1));
    typed.push_back({"ANSI Color", {{1220 + i, color}},
                     [i](GlobalConfig const& c) { return RgbText::Format(GlobalConfig::ColorTable(c.ansiColorRgb)[i]); }, color});
  }
  return typed;
}

// Every control the pages declare: a new value put in through it, OK, the configuration saved
// and loaded again from the store shows that value.
TEST_F(GlobalOptionsPagesTest, EveryControlRoundTripsThroughTheStore) {
  // Covered by tests of their own: the tray launcher's check, the folder move, the two
  // system-default radio buttons.
  std::set<int> const elsewhere{GlobalPageControls::kMinimizeToTray, GlobalPageControls::kConfigFolder, 1080, 1083};
  std::set<std::string> const folders{"Initial Local Folder", "Download Directory", "Cache Directory"};
  std::vector<Typed> const typed = TypedControls();
  GlobalOptionsDialog dialog(*config, &types, &icons);
  dialog.Open();
  std::map<std::string, std::string> expected;  // option name -> option text
  std::set<int> covered;
  std::string error;
  for (VPropertyTreePage* page : dialog.PagesInOrder()) {
    ASSERT_TRUE(page->TreeItem()) << page->Caption();
    ASSERT_TRUE(dialog.SelectItem(page->TreeItem())) << page->Caption() << ": " << (Messages().empty() ? "" : Messages().back());
    VOptionList const options(dialog.Options());
    auto set = [&](int id, std::string const& value) {
      ASSERT_TRUE(dialog.SetControl(id, value, error)) << error;
      covered.insert(id);
      VPageControl const& control = *page->Control(id);
      VOption const* option = control.option.empty() ? nullptr : options.Find(control.option);
      if (!option) return;
      expected[control.option] = control.OptionText(option->Form() == VOptionForm::Number || option->Form() == VOptionForm::Unsigned);
    };
    for (VPageControl const& control : page->Controls()) {
      if (!control.TakesInput() || control.option.empty() || elsewhere.count(control.id)) continue;
      if (control.enabledBy) set(control.enabledBy, "true");
      std::string value = folders.count(control.option) ? folder : control.value + "7";
      if (control.kind == VControlKind::Check) value = control.value == "true" ? "false" : "true";
      if (control.kind == VControlKind::Number)
        value = std::to_string(control.value == std::to_string(control.minimum) ? control.maximum : control.minimum);
      if (control.kind == VControlKind::Choice) value = control.choices[control.value == control.choices[0] ? 1 : 0];
      set(control.id, value);
    }
    for (Typed const& t : typed)
      if (t.page == page->Label())
        for (auto const& [id, value] : t.values) set(id, value);
  }
  dialog.OnOK();
  ASSERT_EQ(dialog.EndCode(), IDOK) << (Messages().empty() ? "" : Messages().back());
  config->Save();

  VProfileStore store(true, nullptr);
  VProfileKey key(store.Root(), "Global");
  GlobalConfig reloaded(&key);
  VOptionList const options(reloaded);
  EXPECT_GE(expected.size(), 80u);
  for (auto const& [name, text] : expected) EXPECT_EQ(options.Find(name)->Text().Str(), text) << name;
  for (Typed const& t : typed) EXPECT_EQ(t.read(reloaded), t.expected) << t.page << " " << t.values.front().first;
  for (VPropertyTreePage const* page : dialog.PagesInOrder()) {
    for (VPageControl const& control : page->Controls()) {
      if (!control.TakesInput() || control.kind == VControlKind::Choice || elsewhere.count(control.id)) continue;
      EXPECT_TRUE(covered.count(control.id)) << page->Caption() << " control " << control.id << " has no round trip";
    }
  }
}

TEST_F(GlobalOptionsPagesTest, CancelAfterChangesOnEveryPageLeavesTheStoreAsItWas) {
  config->Save();
  std::string const before = DumpStore();
  GlobalOptionsDialog dialog(*config, &types, &icons);
  dialog.Open();
  std::string error;
  for (VPropertyTreePage* page : dialog.PagesInOrder()) {
    ASSERT_TRUE(dialog.SelectItem(page->TreeItem())) << page->Caption();
    for (VPageControl const& control : page->Controls()) {
      if (!control.enabled || control.id == GlobalPageControls::kMinimizeToTray) continue;
      std::string value = control.value;
      if (control.kind == VControlKind::Check) value = control.value == "true" ? "false" : "true";
      if (control.kind == VControlKind::Number) value = std::to_string(control.maximum);
      if (value != control.value) {
        ASSERT_TRUE(dialog.SetControl(control.id, value, error)) << error;
      }
    }
    for (Typed const& t : TypedControls()) {
      if (t.page != page->Label()) continue;
      for (auto const& [id, value] : t.values) {
        ASSERT_TRUE(dialog.SetControl(id, value, error)) << error;
      }
    }
  }
  dialog.OnCancel();
  config->Save();
  EXPECT_EQ(DumpStore(), before);
}

TEST_F(GlobalOptionsPagesTest, FtpBufferSizesFollowTheirRules) {
  struct Case {
    int stored;
    std::vector<std::pair<int, std::string>> typed;
    bool accepted;
    int storedAfter;
  };
  std::string const refusal = "Please enter a buffer size between 1024 and 65536.";
  for (Case const& c : {Case{-1, {}, true, -1}, Case{-1, {{1081, "true"}, {1082, "1023"}}, false, -1},
                        Case{-1, {{1081, "true"}, {1082, "65537"}}, false, -1},
                        Case{-1, {{1081, "true"}, {1082, "12k"}}, false, -1},
                        Case{-1, {{1081, "true"}, {1082, "1024"}}, true, 1024},
                        Case{4096, {{1080, "true"}}, true, -1}, Case{4096, {{1082, "65536"}}, true, 65536}}) {
    config->receiveBufferSize = c.stored;
    ClearMessages();
    GlobalOptionsDialog dialog(*config);
    dialog.SetStartPage("FTP");
    dialog.Open();
    VPropertyTreePage* page = dialog.CurrentPage();
    ASSERT_EQ(page->Caption(), "FTP");
    EXPECT_EQ(page->Control(1082)->value, c.stored < 1 ? "8192" : std::to_string(c.stored));
    EXPECT_EQ(page->Control(1082)->enabled, c.stored >= 1);
    EXPECT_EQ(page->Control(1080)->value, c.stored < 1 ? "true" : "false");
    std::string error;
    for (auto const& [id, value] : c.typed) ASSERT_TRUE(dialog.SetControl(id, value, error)) << error;
    dialog.OnOK();
    EXPECT_EQ(dialog.IsEnded(), c.accepted) << c.stored;
    if (!c.accepted) {
      EXPECT_EQ(Messages(), std::vector<std::string>{refusal});
      EXPECT_EQ(page->FocusControl(), 1082);
    }
    EXPECT_EQ(config->receiveBufferSize, c.storedAfter) << c.stored;
  }
}

TEST_F(GlobalOptionsPagesTest, OptionsPageRefusesFoldersThatCannotBeUsed) {
  std::string const file = world.Root() + "/plain-file";
  std::ofstream(file) << "x";
  auto notValid = [](std::string const& path) {
    return "The folder is not valid:\r\n\r\n'" + path + "'\r\n\r\nPlease choose another folder.\r\n";
  };
  struct Case {
    int control;
    std::string value;
    std::string message;  // empty: accepted
  };
  for (Case const& c : {Case{1059, "relative/folder", notValid("relative/folder")}, Case{1140, file, notValid(file)},
                        Case{1042, "/no/such/cache", notValid("/no/such/cache")}, Case{1042, "", ""},
                        Case{1140, folder, ""}}) {
    ClearMessages();
    GlobalOptionsDialog dialog(*config);
    dialog.SetStartPage("Options");
    dialog.Open();
    std::string error;
    ASSERT_TRUE(dialog.SetControl(c.control, c.value, error));
    EXPECT_EQ(dialog.SelectItem(dialog.FindItem("View")), c.message.empty()) << c.value;
    EXPECT_EQ(Messages(), c.message.empty() ? std::vector<std::string>{} : std::vector<std::string>{c.message});
    if (!c.message.empty()) {
      EXPECT_EQ(dialog.CurrentPage()->FocusControl(), c.control);
    }
  }
}

TEST_F(GlobalOptionsPagesTest, AnsiColorDefaultButtonsRestoreTheirHalf) {
  GlobalOptionsDialog dialog(*config);
  dialog.SetStartPage("ANSI Color");
  dialog.Open();
  VPropertyTreePage* page = dialog.CurrentPage();
  std::string error;
  for (int id = 1220; id <= 1235; ++id) ASSERT_TRUE(dialog.SetControl(id, "123456", error));
  ASSERT_TRUE(dialog.Command(1237, error)) << error;
  EXPECT_EQ(page->Control(1220)->value, "123456");
  EXPECT_EQ(page->Control(1228)->value, "808080");
  EXPECT_EQ(page->Control(1235)->value, "FFFFFF");
  ASSERT_TRUE(dialog.Command(1236, error));
  EXPECT_EQ(page->Control(1221)->value, "A00000");
  ASSERT_TRUE(dialog.SetControl(1223, "12345", error));
  dialog.OnOK();
  EXPECT_FALSE(dialog.IsEnded());
  EXPECT_EQ(Messages(), std::vector<std::string>{"Please enter a color as six hexadecimal digits (RRGGBB)."});
  EXPECT_EQ(page->FocusControl(), 1223);
}

TEST_F(GlobalOptionsPagesTest, EditingTheDefaultSessionAppliesToEverySessionWhenAsked) {
  ISessionConfig* other = CreateSessionConfig("s1", nullptr);
  ASSERT_TRUE(SessionDatabase(0).InsertSession("", "s1", other, "", true));
  other->Release();
  auto description = [](char const* path) {
    ISessionConfig* session = SessionDatabase(0).Lookup(path);
    std::string const text = dynamic_cast<SessionConfig*>(session)->description.GetText(false).Str();
    session->Release();
    return text;
  };
  struct Case {
    char const* name;
    std::vector<DialogStep> inner;  // in the Session Options dialog
    std::vector<int> answers;
    std::vector<std::string> questions;
    std::string defaultAfter, otherAfter;
  };
  std::string const question =
      "Do you want to apply the changes that you made to the default session to ALL of your sessions?\r\n\r\n"
      "WARNING: There is no UNDO for this change.\r\n";
  // Looking the default session up the first time stores it: the dialog starts from there.
  EXPECT_EQ(description("Default"), "");
  for (Case const& c : {
           Case{"cancelled", {Set(1405, "one"), Step("cancel")}, {}, {}, "", ""},
           Case{"kept for new sessions", {Set(1405, "two"), Step("ok")}, {IDNO}, {question}, "two", ""},
           Case{"applied to all", {Set(1405, "three"), Step("ok")}, {IDYES}, {question}, "three", "three"},
           Case{"unchanged: no question", {Step("ok")}, {}, {}, "three", "three"},
       }) {
    ClearMessages();
    GlobalOptionsDialog dialog(*config);
    std::vector<DialogStep> steps{Select("Default Session"), Press(GlobalPageControls::kEditDefaultSession)};
    steps.insert(steps.end(), c.inner.begin(), c.inner.end());
    steps.push_back(Step("cancel"));
    std::string const before = DumpStore();
    EXPECT_EQ(Run(dialog, steps, c.answers), IDCANCEL) << c.name;
    std::string const after = DumpStore();
    EXPECT_EQ(Messages(), c.questions) << c.name;
    EXPECT_EQ(description("Default"), c.defaultAfter) << c.name;
    EXPECT_EQ(description("s1"), c.otherAfter) << c.name;
    if (std::string(c.name) == "cancelled") {
      EXPECT_EQ(after, before);
    }
  }
}

TEST_F(GlobalOptionsPagesTest, ColorSchemeEditsAreStoredWhenConfirmed) {
  struct Case {
    char const* name;
    std::vector<DialogStep> steps;
    std::vector<int> answers;
    std::vector<std::string> texts;
    std::vector<std::string> messages;
    bool oceanStored;
    COLORREF oceanForeground;
  };
  for (Case const& c : {
           Case{"new, editor cancelled", {Press(1344), Step("cancel")}, {}, {"Ocean"}, {}, false, 0},
           Case{"new", {Press(1344), Set(1910, "112233"), Step("ok")}, {}, {" Ocean "}, {}, true, 0x332211},
           Case{"a taken name", {Press(1344)}, {}, {"ocean"}, {"A color scheme named \"ocean\" already exists."}, true, 0x332211},
           Case{"edited", {Step("choose", {{"control", "1343"}, {"item", "Ocean"}}), Press(1141), Set(1910, "FFEEDD"), Step("ok")},
                {}, {}, {}, true, 0xDDEEFF},
           Case{"a built-in one kept", {Step("choose", {{"control", "1343"}, {"item", "Monochrome"}}), Press(1345)}, {}, {},
                {"The color scheme \"Monochrome\" cannot be deleted."}, true, 0xDDEEFF},
           Case{"deleted", {Step("choose", {{"control", "1343"}, {"item", "Ocean"}}), Press(1345)}, {IDYES}, {},
                {"Delete the color scheme \"Ocean\"?"}, false, 0},
       }) {
    ClearMessages();
    GlobalOptionsDialog dialog(*config);
    dialog.SetStartPage("Color Schemes");  // inside the collapsed Terminal page
    std::vector<DialogStep> steps;
    steps.insert(steps.end(), c.steps.begin(), c.steps.end());
    steps.push_back(Step("cancel"));
    Run(dialog, steps, c.answers, c.texts);
    EXPECT_EQ(Messages(), c.messages) << c.name;
    ProfileColorSchemeList list;
    list.Load(nullptr, ProfileColorSchemeList::kKeyName);
    EXPECT_EQ(list.Exists("Ocean"), c.oceanStored) << c.name;
    EXPECT_EQ(config->colorSchemes.Exists("Ocean"), c.oceanStored) << c.name;
    if (c.oceanStored) {
      EXPECT_EQ(ColorScheme(list.Find("Ocean")).foreground[0], c.oceanForeground) << c.name;
    }
  }
}

TEST_F(GlobalOptionsPagesTest, FirewallEditsAreStoredWhenConfirmed) {
  auto names = [] {
    CStringList list;
    FirewallStore::GetFirewallNames(list);
    std::string joined;
    for (POSITION at = list.GetHeadPosition(); at;) joined += list.GetNext(at).Str() + ",";
    return joined;
  };
  DialogStep const pickCorp = Step("choose", {{"control", "11429"}, {"item", "corp"}});
  struct Case {
    char const* name;
    std::vector<DialogStep> steps;
    std::vector<int> answers;
    std::vector<std::string> messages;
    std::string stored;
  };
  for (Case const& c : {
           Case{"added",
                {Press(11430), Set(1971, "corp"), Step("choose", {{"control", "1972"}, {"item", "SOCKS version 4"}}),
                 Set(1973, "gw.example"), Set(1974, "3128"), Step("ok")},
                {}, {}, "None,corp,"},
           Case{"the direct name refused", {Press(11430), Set(1971, "NONE"), Step("ok"), Step("cancel")}, {},
                {"\"NONE\" stands for a direct connection; please choose another name."}, "None,corp,"},
           Case{"a port out of range", {pickCorp, Press(11431), Set(1974, "70000"), Step("ok"), Step("cancel")}, {},
                {"Please enter an integer between 1 and 65535."}, "None,corp,"},
           Case{"renamed", {pickCorp, Press(11431), Set(1971, "corp2"), Step("ok")}, {}, {}, "None,corp2,"},
           Case{"deleted", {Press(11432)}, {IDYES}, {"Delete the firewall \"corp2\"?"}, "None,"},
       }) {
    ClearMessages();
    GlobalOptionsDialog dialog(*config);
    std::vector<DialogStep> steps{Select("Firewall")};
    steps.insert(steps.end(), c.steps.begin(), c.steps.end());
    steps.push_back(Step("cancel"));
    Run(dialog, steps, c.answers);
    EXPECT_EQ(Messages(), c.messages) << c.name;
    EXPECT_EQ(names(), c.stored) << c.name;
  }
  std::unique_ptr<FirewallConfig> corp(FirewallStore::LookupFirewall("corp"));
  EXPECT_FALSE(corp);
}

TEST_F(GlobalOptionsPagesTest, FileTypeEditsGoThroughTheManager) {
  struct Case {
    char const* name;
    std::vector<DialogStep> steps;
    std::vector<std::string> messages;
    char const* owner;  // of the extension "note2" after a reload from the store
  };
  for (Case const& c : {
           Case{"added", {Press(1961), Set(1951, "Notes"), Set(1952, "note1, .note2"), Step("ok")}, {}, "Notes"},
           Case{"an extension of another type",
                {Press(1961), Set(1951, "More"), Set(1952, "note2"), Step("ok"), Step("cancel")},
                {"The extension \"note2\" belongs to the file type \"Notes\"."}, "Notes"},
           Case{"renamed", {Step("choose", {{"control", "1960"}, {"item", "Notes"}}), Press(1962), Set(1951, "Jottings"), Step("ok")},
                {}, "Jottings"},
       }) {
    ClearMessages();
    GlobalOptionsDialog dialog(*config, &types, &icons);
    std::vector<DialogStep> steps{Select("File Types")};
    steps.insert(steps.end(), c.steps.begin(), c.steps.end());
    steps.push_back(Step("cancel"));
    Run(dialog, steps);
    EXPECT_EQ(Messages(), c.messages) << c.name;
    FileTypeManager reloaded;
    FileTypeDefinition const* owner = reloaded.FindExtension("note2");
    ASSERT_TRUE(owner) << c.name;
    EXPECT_EQ(owner->typeName.Str(), c.owner) << c.name;
  }
}

// The host's pages come and go with the dialog; the configuration names the dialog while it runs.
std::vector<std::string> hostCalls;
GlobalOptionsDialog* seenWhileOpen = nullptr;

TEST_F(GlobalOptionsPagesTest, HostPagesAndTheCurrentDialog) {
  hostCalls.clear();
  ConnectDialogDllInitSSH2GlobalPages([](IPropertyTreeDialog*, int flag) { hostCalls.push_back("add " + std::to_string(flag)); },
                                      [](IPropertyTreeDialog*) { hostCalls.push_back("remove"); });
  struct Watcher : DialogPresenter {
    GlobalConfig* config = nullptr;
    int RunModal(DialogModel& dialog) override {
      seenWhileOpen = config->GetCurrentGlobalOptionsDialog();
      dialog.Open();
      dialog.OnCancel();
      return dialog.EndCode();
    }
  } watcher;
  watcher.config = config;
  SetDialogPresenter(&watcher);
  {
    GlobalOptionsDialog dialog(*config);
    EXPECT_EQ(hostCalls, std::vector<std::string>{"add 1"});
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_EQ(seenWhileOpen, &dialog);
    EXPECT_EQ(config->GetCurrentGlobalOptionsDialog(), nullptr);
  }
  EXPECT_EQ(hostCalls, (std::vector<std::string>{"add 1", "remove"}));
  ConnectDialogDllInitSSH2GlobalPages(nullptr, nullptr);
}

}  // namespace
