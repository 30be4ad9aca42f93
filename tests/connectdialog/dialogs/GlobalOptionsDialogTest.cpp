// The Global Options dialog over a stored configuration: its tree, every control carried to the
// store on OK and none on Cancel, the pages' refusals, the lists its pages edit, the buttons that
// reach the desktop, and the SSH2 plug-in's page with what its options put on ssh's command line.
#include "dialogs/GlobalOptionsDialog.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "VOptionList.h"
#include "VProfileKey.h"
#include "VProfileStore.h"
#include "clients/ClientCommandBuilder.h"
#include "connectdialog/database/GlobalConfigWorld.h"
#include "database/SessionDatabase.h"
#include "dialogs/GlobalPageControls.h"
#include "platform/sound/SoundPlayer.h"
#include "platform/ui/HeadlessImageList.h"
#include "session/FirewallConfig.h"
#include "session/FirewallStore.h"
#include "session/SSH2GlobalConfig.h"
#include "session/SessionConfig.h"
#include "support/CaseFile.h"
#include "support/ControlValues.h"
#include "support/Golden.h"
#include "support/HeadlessDialogs.h"
#include "support/JoinedText.h"
#include "support/KeyDump.h"
#include "support/ListNames.h"
#include "support/TempFolder.h"
#include "terminal/ProfileColorSchemeList.h"
#include "terminal/RgbText.h"
#include "transfer/FileTypeManager.h"
#include "transfer/IconManager.h"

namespace {

// A sound player that records what it was asked to play instead of playing it, installed for
// its scope.
class FakeSoundPlayer : public SoundPlayer {
 public:
  FakeSoundPlayer() { SetSoundPlayer(this); }
  ~FakeSoundPlayer() override { SetSoundPlayer(nullptr); }
  FakeSoundPlayer(FakeSoundPlayer const&) = delete;
  FakeSoundPlayer& operator=(FakeSoundPlayer const&) = delete;

  bool Play(std::string const& path, std::string& error) override {
    played.push_back(path);
    error = failure;
    return failure.empty();
  }

  std::vector<std::string> played;
  std::string failure;  // what the next plays fail with; empty: they succeed
};

using H = HeadlessDialogs;
using Values = std::vector<std::pair<int, std::string>>;

// The whole store, or one key of it, as text to compare byte for byte.
std::string DumpStore(char const* key = nullptr) {
  VProfileStore store(true, nullptr);
  if (!key) return DumpKey(store.Root());
  if (!store.Root()->KeyExists(key)) return "<none>";
  VProfileKey at(store.Root(), key);
  return DumpKey(&at);
}

class GlobalOptionsDialogTest : public ::testing::Test {
 protected:
  GlobalOptionsDialogTest() {
    ConnectDialogDllInitSSH2GlobalPages(nullptr, nullptr);
    GetGlobalConfig(config);
    std::filesystem::create_directories(folder);
  }
  ~GlobalOptionsDialogTest() override { ConnectDialogDllInitSSH2GlobalPages(nullptr, nullptr); }
  // The dialog opened on `page`, which it returns.
  static VPropertyTreePage* Open(GlobalOptionsDialog& dialog, char const* page) {
    dialog.SetStartPage(page);
    dialog.Open();
    EXPECT_EQ(dialog.CurrentPage()->Label(), page);
    return dialog.CurrentPage();
  }
  // Presses button `id` on `page` of a fresh dialog, after typing the values.
  void PressOn(char const* page, int id, Values const& values = {}) {
    GlobalOptionsDialog dialog(*config);
    dialog.Open();
    EXPECT_TRUE(H::Select(dialog, page)) << page;
    H::Type(dialog, values);
    H::Click(dialog, id);
    dialog.OnCancel();
  }
  // The terminal client as its host loads it, with the SSH2 plug-in: SSH2 (index 0), SFTP, None.
  static void LoadSsh2() {
    IsHaloFyx_Installed(false);
    H::Register({{4, 3}, {10, 6}, {-1, 3}});
  }

  GlobalConfigWorld world{kProductHaloKorvo};
  ScopedEnv fileTypesRoot{"BRIMVALE_FILETYPES_ROOT", TEST_DATA_DIR "/filetypes"};
  ScopedEnv dataHome{"XDG_DATA_HOME", (world.Root() + "/data").c_str()};
  HeadlessDialogs dialogs{true, true};
  std::string const folder = world.Root() + "/folders";
  GlobalConfig* config = nullptr;
  FileTypeManager types;
  HeadlessImageList small, large;
  IconManager icons{&types, &small, &large};
};

TEST_F(GlobalOptionsDialogTest, TheTreeFollowsTheInstalledProducts) {
  ExpectCaseFile("dialogs/global_options_trees.txt", [&](std::string const& input) {
    IsHaloKorvo_Korvo_Installed(input[0] == '1');
    IsHaloFyx_Installed(input[1] == '1');
    GlobalOptionsDialog dialog(*config, input[2] == '1' ? &types : nullptr, &icons);
    dialog.Open();
    EXPECT_EQ(dialog.WindowTitle().Str(), "Global Options");
    return JoinedText(H::Tree(dialog), ", ");
  });
}

// Unbound controls that the pages carry into options of their own forms: what to type, in
// order, and how the stored configuration shows it.
struct Typed {
  char const* page;
  Values values;
  std::function<std::string(GlobalConfig const&)> read;
  std::string expected;
};

std::vector<Typed> TypedControls() {
  auto margins = [](GlobalConfig const& c) {
    VMarginData const& m = c.pageMargins;
    return std::to_string(m.left) + " " + std::to_string(m.top) + " " + std::to_string(m.right) + " " +
           std::to_string(m.bottom);
  };
  std::vector<Typed> typed{
      {"Tabs", {{11444, "New input"}, {11446, "123456"}},
       [](GlobalConfig const& c) { return RgbText::Format(static_cast<int>(c.newInputColor)); }, "123456"},
      {"Printing", {{1102, "1.25"}, {1104, "2.5"}, {1103, "0"}, {1105, "100"}}, margins,
       "1.250000 2.500000 0.000000 100.000000"},
      {"FTP", {{1081, "true"}, {1082, "4096"}},
       [](GlobalConfig const& c) { return std::to_string(c.receiveBufferSize); }, "4096"},
      {"FTP", {{1084, "true"}, {1085, "65536"}},
       [](GlobalConfig const& c) { return std::to_string(c.sendBufferSize); }, "65536"},
      {"FTP", {{1153, "false"}}, [](GlobalConfig const& c) { return std::to_string(c.dataConnectionType); }, "1"},
  };
  for (int i = 0; i < 16; ++i) {
    std::string const color = RgbText::Format(0x010203u * static_cast<unsigned>(i + 1));
    auto read = [i](GlobalConfig const& c) { return RgbText::Format(GlobalConfig::ColorTable(c.ansiColorRgb)[i]); };
    typed.push_back({"ANSI Color", {{1220 + i, color}}, read, color});
  }
  return typed;
}

// Every control the pages declare takes a new value: Cancel leaves the store as it was, byte for
// byte; OK carries every value to the store, where the configuration loaded again shows it.
TEST_F(GlobalOptionsDialogTest, EveryControlRoundTripsThroughTheStoreOnOkOnly) {
  // Covered by tests of their own: the tray launcher's check, the folder move, and the two
  // system-default radio buttons (changed before Cancel only).
  std::set<int> const elsewhere{GlobalPageControls::kMinimizeToTray, GlobalPageControls::kConfigFolder};
  std::set<int> const radios{1080, 1083};
  std::set<std::string> const folders{"Initial Local Folder", "Download Directory", "Cache Directory"};
  std::vector<Typed> const typed = TypedControls();
  std::map<std::string, std::string> expected;  // option name -> option text
  std::set<int> covered;
  auto fill = [&](GlobalOptionsDialog& dialog, bool ok) {
    dialog.Open();
    for (VPropertyTreePage* page : dialog.PagesInOrder()) {
      ASSERT_TRUE(page->TreeItem()) << page->Caption();
      ASSERT_TRUE(dialog.SelectItem(page->TreeItem())) << page->Caption();
      VOptionList const options(dialog.Options());
      auto set = [&](int id, std::string const& value) {
        H::Type(dialog, {{id, value}});
        covered.insert(id);
        VPageControl const& control = *page->Control(id);
        if (VOption const* option = control.option.empty() ? nullptr : options.Find(control.option))
          expected[control.option] = H::StoredText(control, *option);
      };
      for (VPageControl const& control : page->Controls()) {
        bool const radio = radios.count(control.id);
        if (!control.TakesInput() || elsewhere.count(control.id) || (radio ? ok : control.option.empty())) continue;
        if (control.enabledBy) set(control.enabledBy, "true");
        set(control.id, folders.count(control.option) ? folder : H::OtherValue(control));
      }
      for (Typed const& t : typed)
        if (t.page == page->Label())
          for (auto const& [id, value] : t.values) set(id, value);
    }
  };
  config->Save();
  std::string const before = DumpStore();
  {
    GlobalOptionsDialog dialog(*config, &types, &icons);
    fill(dialog, false);
    EXPECT_EQ(config->GetCurrentGlobalOptionsDialog(), nullptr) << "only a modal run names the dialog";
    dialog.OnCancel();
  }
  config->Save();
  EXPECT_EQ(DumpStore(), before);
  expected.clear();
  GlobalOptionsDialog dialog(*config, &types, &icons);
  fill(dialog, true);
  dialog.OnOK();
  ASSERT_EQ(dialog.EndCode(), IDOK) << testing::PrintToString(dialogs.Messages());
  config->Save();
  VProfileStore store(true, nullptr);
  VProfileKey key(store.Root(), "Global");
  GlobalConfig reloaded(&key);
  VOptionList const options(reloaded);
  EXPECT_GE(expected.size(), 80u);
  for (auto const& [name, text] : expected) EXPECT_EQ(options.Find(name)->Text().Str(), text) << name;
  for (Typed const& t : typed) EXPECT_EQ(t.read(reloaded), t.expected) << t.page << " " << t.values.front().first;
  for (VPropertyTreePage const* page : dialog.PagesInOrder())
    for (VPageControl const& control : page->Controls())
      EXPECT_TRUE(!control.TakesInput() || control.kind == VControlKind::Choice || elsewhere.count(control.id) ||
                  radios.count(control.id) || covered.count(control.id))
          << page->Caption() << " control " << control.id << " has no round trip";
}

// A refusal keeps the dialog open on the control refused, with the configuration untouched.
TEST_F(GlobalOptionsDialogTest, RangeChecksOnOk) {
  ExpectCaseFile("dialogs/global_range_checks.txt", [&](std::string const& input) {
    std::string const label = input.substr(0, input.find(' '));
    auto& stored = label == "FTP" ? config->receiveBufferSize : config->maxColumns;
    stored = std::stoi(input.substr(input.find("holding ") + 8));
    GlobalOptionsDialog dialog(*config);
    VPropertyTreePage* page = Open(dialog, label.c_str());
    std::string answer;
    if (label == "FTP")
      answer = "size " + page->Control(1082)->value + ", enabled " + (page->Control(1082)->enabled ? "true" : "false") +
               ", system default " + page->Control(1080)->value + "\n";
    std::string const typed = input.substr(input.find(':') + 1);
    H::Type(dialog, ControlValues(typed.empty() ? typed : typed.substr(1)));
    dialog.OnOK();
    answer += dialog.IsEnded() ? "ends" : "stays";
    for (std::string const& message : dialogs.Messages()) answer += ", says \"" + message + "\"";
    if (!dialog.IsEnded()) answer += ", focus " + std::to_string(page->FocusControl());
    return answer + ", stored " + std::to_string(stored);
  });
}

TEST_F(GlobalOptionsDialogTest, OptionsPageRefusesFoldersThatCannotBeUsed) {
  WriteFileBytes(world.Root() + "/plain-file", "x");
  ExpectCaseFile("dialogs/transfer_folder_checks.txt", [&](std::string const& input) {
    std::string value = input.substr(input.find('"') + 1, input.rfind('"') - input.find('"') - 1);
    if (value.starts_with("<root>")) value.replace(0, 6, world.Root());
    GlobalOptionsDialog dialog(*config);
    Open(dialog, "Options");
    H::Type(dialog, {{std::stoi(input), value}});
    bool const left = H::Select(dialog, "View");
    std::string answer = left ? "leaves" : "stays";
    for (std::string message : dialogs.Messages()) {
      if (size_t const root = message.find(world.Root()); root != std::string::npos)
        message.replace(root, world.Root().size(), "<root>");
      answer += ", says " + DumpText(message);
    }
    return left ? answer : answer + ", focus " + std::to_string(dialog.CurrentPage()->FocusControl());
  });
}

TEST_F(GlobalOptionsDialogTest, GeneralPageChecksInItsOrder) {
  std::string const configs = world.Root() + "/configs";
  std::filesystem::create_directories(configs);
  GlobalConfig local{nullptr};
  local.showQuickConnectDialog = 1;
  GlobalOptionsDialog dialog(local);
  dialog.Open();
  ASSERT_EQ(dialog.CurrentPage()->Caption(), "General");
  ExpectCaseFile("dialogs/general_page_checks.txt", [&](std::string const& input) {
    std::string typed = input;
    if (size_t const root = typed.find("<root>"); root != std::string::npos) typed.replace(root, 6, world.Root());
    H::Type(dialog, ControlValues(typed));
    std::string answer = H::Select(dialog, "Firewall") ? "leaves" : "stays";
    for (std::string const& message : dialogs.Messages()) answer += ", says " + DumpText(message);
    return answer;
  });
  EXPECT_EQ(local.configPath.Str(), "");
  dialog.OnOK();
  ASSERT_EQ(dialog.EndCode(), IDOK);
  EXPECT_EQ(local.configPath.Str(), configs);
  EXPECT_EQ(local.mruCount, 9);
  EXPECT_EQ(local.showQuickConnectDialog, 0);  // the connect dialog still shows on startup
}

TEST_F(GlobalOptionsDialogTest, AnsiColorDefaultButtonsRestoreTheirHalf) {
  GlobalOptionsDialog dialog(*config);
  VPropertyTreePage* page = Open(dialog, "ANSI Color");
  for (int id = 1220; id <= 1235; ++id) H::Type(dialog, {{id, "123456"}});
  H::Click(dialog, 1237);
  EXPECT_EQ(page->Control(1220)->value, "123456");
  EXPECT_EQ(page->Control(1228)->value, "808080");
  EXPECT_EQ(page->Control(1235)->value, "FFFFFF");
  H::Click(dialog, 1236);
  EXPECT_EQ(page->Control(1221)->value, "A00000");
  H::Type(dialog, {{1223, "12345"}});
  dialog.OnOK();
  EXPECT_FALSE(dialog.IsEnded());
  EXPECT_EQ(dialogs.Messages(), std::vector<std::string>{"Please enter a color as six hexadecimal digits (RRGGBB)."});
  EXPECT_EQ(page->FocusControl(), 1223);
}

TEST_F(GlobalOptionsDialogTest, EditingTheDefaultSessionAppliesToEverySessionWhenAsked) {
  ISessionConfig* other = CreateSessionConfig("s1", nullptr);
  ASSERT_TRUE(SessionDatabase(0).InsertSession("", "s1", other, "", true));
  other->Release();
  auto description = [](char const* path) {
    ISessionConfig* session = SessionDatabase(0).Lookup(path);
    std::string const text = dynamic_cast<SessionConfig*>(session)->description.GetText(false).Str();
    session->Release();
    return text;
  };
  std::string const question =
      "Do you want to apply the changes that you made to the default session to ALL of your sessions?\r\n\r\n"
      "WARNING: There is no UNDO for this change.\r\n";
  struct Case { char const* name; std::vector<DialogStep> inner; std::vector<int> answers;
      std::vector<std::string> questions; std::string defaultAfter, otherAfter; };
  // Looking the default session up the first time stores it: the dialog starts from there.
  EXPECT_EQ(description("Default"), "");
  for (Case const& c : {Case{"cancelled", {Set(1405, "one"), Step("cancel")}, {}, {}, "", ""},
                        Case{"kept for new sessions", {Set(1405, "two"), Step("ok")}, {IDNO}, {question}, "two", ""},
                        Case{"applied to all", {Set(1405, "three"), Step("ok")}, {IDYES}, {question}, "three", "three"},
                        Case{"unchanged: no question", {Step("ok")}, {}, {}, "three", "three"}}) {
    SCOPED_TRACE(c.name);
    GlobalOptionsDialog dialog(*config);
    std::string const before = DumpStore();
    EXPECT_EQ(dialogs.Run(dialog, Joined({{Select("Default Session"), Press(GlobalPageControls::kEditDefaultSession)},
                                          c.inner, {Step("cancel")}}), c.answers), IDCANCEL);
    if (std::string(c.name) == "cancelled") {
      EXPECT_EQ(DumpStore(), before);
    }
    EXPECT_EQ(dialogs.Messages(), c.questions);
    EXPECT_EQ(description("Default"), c.defaultAfter);
    EXPECT_EQ(description("s1"), c.otherAfter);
  }
}

// The pages that keep lists of their own, each row a run of the dialog on the page, cancelled at
// the end. The golden file holds the messages of each row and what the store holds afterwards:
// Ocean's foreground, the firewalls, the file type that owns "note2".
TEST_F(GlobalOptionsDialogTest, ListEditsAreStoredWhenConfirmed) {
  std::map<std::string, std::function<std::string()>> const stored{
      {"Color Schemes", [this] {  // Ocean's foreground
         ProfileColorSchemeList list;
         list.Load(nullptr, ProfileColorSchemeList::kKeyName);
         EXPECT_EQ(config->colorSchemes.Exists("Ocean"), list.Exists("Ocean"));
         return list.Exists("Ocean") ? std::to_string(ColorScheme(list.Find("Ocean")).foreground[0]) : "-";
       }},
      {"Firewall", [] {
         CStringList list;
         FirewallStore::GetFirewallNames(list);
         return JoinedText(ListNames(list), ",") + ",";
       }},
      {"File Types", [] {  // the owner of the extension "note2" after a reload from the store
         FileTypeManager reloaded;
         FileTypeDefinition const* owner = reloaded.FindExtension("note2");
         return owner ? owner->typeName.Str() : "-";
       }},
  };
  struct Case { char const* page; char const* name; std::vector<DialogStep> steps; std::vector<int> answers = {};
                std::vector<std::string> texts = {}; };
  std::string dump;
  for (Case const& c : {
           // The scheme page is inside the collapsed Terminal page.
           Case{"Color Schemes", "new, editor cancelled", {Press(1344), Step("cancel")}, {}, {"Ocean"}},
           Case{"Color Schemes", "new", {Press(1344), Set(1910, "112233"), Step("ok")}, {}, {" Ocean "}},
           Case{"Color Schemes", "a taken name", {Press(1344)}, {}, {"ocean"}},
           Case{"Color Schemes", "edited", {Choose(1343, "Ocean"), Press(1141), Set(1910, "FFEEDD"), Step("ok")}, {}},
           Case{"Color Schemes", "a built-in one kept", {Choose(1343, "Monochrome"), Press(1345)}, {}},
           Case{"Color Schemes", "deleted", {Choose(1343, "Ocean"), Press(1345)}, {IDYES}},
           Case{"Firewall", "added", {Press(11430), Set(1971, "corp"), Choose(1972, "SOCKS version 4"),
                Set(1973, "gw.example"), Set(1974, "3128"), Step("ok")}, {}},
           Case{"Firewall", "the direct name refused", {Press(11430), Set(1971, "NONE"), Step("ok"), Step("cancel")}},
           Case{"Firewall", "a port out of range",
                {Choose(11429, "corp"), Press(11431), Set(1974, "70000"), Step("ok"), Step("cancel")}},
           Case{"Firewall", "renamed", {Choose(11429, "corp"), Press(11431), Set(1971, "corp2"), Step("ok")}},
           Case{"Firewall", "deleted", {Press(11432)}, {IDYES}},
           Case{"File Types", "added", {Press(1961), Set(1951, "Notes"), Set(1952, "note1, .note2"), Step("ok")}},
           Case{"File Types", "an extension of another type",
                {Press(1961), Set(1951, "More"), Set(1952, "note2"), Step("ok"), Step("cancel")}},
           Case{"File Types", "renamed", {Choose(1960, "Notes"), Press(1962), Set(1951, "Jottings"), Step("ok")}},
       }) {
    SCOPED_TRACE(std::string(c.page) + ": " + c.name);
    GlobalOptionsDialog dialog(*config, &types, &icons);
    dialog.SetStartPage(c.page);
    dialogs.Run(dialog, Joined({c.steps, {Step("cancel")}}), c.answers, c.texts);
    dump += std::string(c.page) + ", " + c.name + ":";
    for (std::string const& message : dialogs.Messages()) dump += " " + DumpText(message);
    dump += " stored " + stored.at(c.page)() + "\n";
  }
  ExpectGolden("dialogs/global_options_lists.txt", dump);
  EXPECT_FALSE(std::unique_ptr<FirewallConfig>(FirewallStore::LookupFirewall("corp")));
}

// The host's pages come and go with the dialog, the plug-in's page handed over and taken back
// through it; the configuration names the dialog while it runs.
std::vector<std::string> calls;
GlobalOptionsDialog* seenWhileOpen = nullptr;

TEST_F(GlobalOptionsDialogTest, HostPagesAndTheCurrentDialog) {
  LoadSsh2();
  calls.clear();
  ConnectDialogDllInitSSH2GlobalPages(
      [](IPropertyTreeDialog* dialog, int flag) {
        calls.push_back("add " + std::to_string(flag));
        GetConnectProtocolTable()[0].addGlobalPages(dialog, flag);
      },
      [](IPropertyTreeDialog* dialog) {
        auto* tree = dynamic_cast<GlobalOptionsDialog*>(dialog);
        calls.push_back("remove with " + std::to_string(tree->Pages().size()) + " pages");
        GetConnectProtocolTable()[0].removeGlobalPages(dialog);
        calls.push_back("left " + std::to_string(tree->Pages().size()) + " pages");
        GetConnectProtocolTable()[0].removeGlobalPages(dialog);  // a second call finds nothing
      });
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
    EXPECT_EQ(calls, std::vector<std::string>{"add 1"});
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_EQ(seenWhileOpen, &dialog);
    EXPECT_EQ(config->GetCurrentGlobalOptionsDialog(), nullptr);
  }
  EXPECT_EQ(calls, (std::vector<std::string>{"add 1", "remove with 4 pages", "left 3 pages"}));
  SetDialogPresenter(&dialogs.presenter);
}

TEST_F(GlobalOptionsDialogTest, TheSsh2PageComesLastAndOnlyOKStoresIt) {
  LoadSsh2();
  Values const all{{2201, "/home/ops/my hosts"}, {2202, "/home/ops/.ssh/id_ed25519"}, {2203, "30"},
      {2204, "Accept new keys"}};
  std::string const stored =
      "SSH2 Known Hosts File = sz \"/home/ops/my hosts\"\n"
      "SSH2 Default Identity Filename = sz \"/home/ops/.ssh/id_ed25519\"\n"
      "SSH2 Keep Alive Interval = dword 30\n"
      "SSH2 Strict Host Key Checking = dword 1\n";
  // key: "Global\SSH2" afterwards; empty: the whole store as it was.
  struct Case { char const* name; Values values; bool ok; int endCode; std::string key;
      std::vector<std::string> messages; };
  for (Case const& c : {Case{"Cancel", all, false, IDCANCEL, "", {}}, Case{"OK untouched", {}, true, IDOK, "", {}},
                        Case{"interval past its range", {{2203, "3601"}}, true, 0, "",
                             {"Please enter an integer between 0 and 3600."}},
                        Case{"OK", all, true, IDOK, stored, {}}}) {
    SCOPED_TRACE(c.name);
    std::string const before = DumpStore();
    {
      GlobalOptionsDialog dialog(*config);
      dialog.Open();
      EXPECT_EQ(H::Tree(dialog).back(), "SSH2@0");
      ASSERT_TRUE(H::Select(dialog, "SSH2"));
      EXPECT_EQ(dialog.CaptionText(), "  SSH2 Global Options");
      H::Type(dialog, c.values);
      if (c.ok) dialog.OnOK(); else dialog.OnCancel();
      EXPECT_EQ(dialog.EndCode(), c.endCode);
    }
    EXPECT_EQ(dialogs.Messages(), c.messages);
    if (c.key.empty()) EXPECT_EQ(DumpStore(), before);
    else EXPECT_EQ(DumpStore("Global\\SSH2"), c.key);
  }
}

// What the SSH2-wide options put into the ssh and sftp commands of a session.
TEST_F(GlobalOptionsDialogTest, TheSessionCommandsTakeTheSsh2Options) {
  LoadSsh2();
  ExpectCaseFile("dialogs/ssh2_commands.txt", [](std::string const& input) {
    auto between = [&](std::string const& from, std::string const& to) {
      size_t const at = input.find(from) + from.size();
      return input.substr(at, input.find(to, at) - at);
    };
    SSH2GlobalConfig global(nullptr);
    global.strictHostKeyChecking = std::stoi(between("checking ", ","));
    global.keepAliveInterval = std::stoi(between("interval ", ","));
    global.knownHostsFile = between("known hosts \"", "\", identity");
    global.defaultIdentityFile = between(", identity \"", "\", own");
    EXPECT_TRUE(global.SaveStored());
    SessionConfig session(CString("lab"), nullptr);
    session.SetTerminalProtocol("SSH2");
    session.SetTransferProtocol("SFTP");
    VString error;
    VOptionList const options(session);
    EXPECT_TRUE(options.Find("Hostname")->FromText("gate.example", error)) << error.Str();
    EXPECT_TRUE(options.Find("SSH2 Identity Filename")->FromText(between("own identity \"", "\""), error)) << error.Str();
    ClientCommandBuilder const builder([](std::string const&) { return true; });
    std::string answer;
    for (bool terminal : {true, false}) {
      ClientCommand const command = builder.For(session, terminal);
      answer += command.error.empty() ? command.program : "refused: " + command.error;
      if (command.error.empty())
        for (std::string const& argument : command.arguments) answer += " " + DumpText(argument);
      answer += "\n";
    }
    return answer;
  });
}

TEST_F(GlobalOptionsDialogTest, TheHostBecomesTheTelnetApplication) {
  ScopedEnv desktopFiles{"BRIMVALE_FILETYPES_ROOT", nullptr};  // the XDG folders of the world, not the test data's
  config->haloKorvoExePath = "/opt/brimvale/cdhost-halokorvo";
  std::string const list = world.Root() + "/xdg/mimeapps.list";
  std::filesystem::create_directories(world.Root() + "/xdg");
  WriteFileBytes(list, "[Default Applications]\nx-scheme-handler/telnet=putty.desktop\ntext/html=web.desktop\n");
  PressOn("Web Browser", GlobalPageControls::kMakeDefaultTelnet);
  EXPECT_EQ(dialogs.Messages(), std::vector<std::string>{"HaloKorvo now opens the telnet: links of this desktop."});
  EXPECT_EQ(ReadFileBytes(list),
      "[Default Applications]\nx-scheme-handler/telnet=halokorvo-telnet.desktop\ntext/html=web.desktop\n");
  EXPECT_EQ(ReadFileBytes(world.Root() + "/data/applications/halokorvo-telnet.desktop"),
            "[Desktop Entry]\nType=Application\nVersion=1.0\nName=HaloKorvo\n"
            "Exec=/opt/brimvale/cdhost-halokorvo %u\nTerminal=false\nMimeType=x-scheme-handler/telnet;\n"
            "NoDisplay=true\n");
  // No folder for the entry: said, and the list keeps its bytes.
  std::string const before = ReadFileBytes(list);
  std::filesystem::remove_all(world.Root() + "/data");
  WriteFileBytes(world.Root() + "/data", "a file where the folder should be");
  PressOn("Web Browser", GlobalPageControls::kMakeDefaultTelnet);
  std::vector<std::string> const failed = dialogs.Messages();
  ASSERT_EQ(failed.size(), 1u);
  EXPECT_TRUE(failed[0].starts_with("HaloKorvo could not be made the default telnet application:\r\n\r\n"))
      << failed[0];
  EXPECT_EQ(ReadFileBytes(list), before);
}

TEST_F(GlobalOptionsDialogTest, ThePlayButtonsPlayTheirFields) {
  TempFolder sounds;
  WriteFileBytes(sounds / "ding.wav", "RIFF");
  WriteFileBytes(sounds / "oops.wav", "RIFF");
  FakeSoundPlayer player;
  std::string const ding = sounds / "ding.wav", gone = sounds / "gone.wav";
  struct Case { char const* name; int field, play; std::string value, failure;
      std::vector<std::string> played, messages; };
  for (Case const& c : {
           Case{"connect", 1305, 1307, ding, "", {ding}, {}},
           Case{"empty field", 1308, 1310, "", "", {}, {"Choose a sound file to play first."}},
           Case{"missing file", 1311, 1313, gone, "", {}, {"The sound file \"" + gone + "\" does not exist."}},
           Case{"a folder", 1311, 1313, sounds.Path(), "", {},
               {"The sound file \"" + sounds.Path() + "\" does not exist."}},
           Case{"no player", 1305, 1307, ding, "no sound player is installed", {ding},
                {"The sound file \"" + ding + "\" cannot be played: no sound player is installed."}},
       }) {
    player.played.clear();
    player.failure = c.failure;
    PressOn("Sound", c.play, {{c.field, c.value}});
    EXPECT_EQ(dialogs.Messages(), c.messages) << c.name;
    EXPECT_EQ(player.played, c.played) << c.name;
  }
  // The browse button fills its field through the file chooser; its play button then plays that file.
  player.played.clear();
  player.failure.clear();
  GlobalOptionsDialog dialog(*config);
  dialog.Open();
  ASSERT_TRUE(H::Select(dialog, "Sound"));
  dialogs.ui.Script(IDOK, sounds / "oops.wav");
  H::Click(dialog, 1315);
  H::Click(dialog, 1316);
  EXPECT_EQ(dialogs.ui.Shown().back().kind, ShownDialog::Kind::OpenFile);
  EXPECT_EQ(dialogs.ui.Shown().back().caption, "Error sound");
  EXPECT_EQ(player.played, std::vector<std::string>{sounds / "oops.wav"});
}

}  // namespace
