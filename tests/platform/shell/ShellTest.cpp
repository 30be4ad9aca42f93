#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <string>
#include <vector>

#include "platform/shell/ArgumentString.h"
#include "platform/shell/DesktopFolder.h"
#include "platform/shell/DesktopShortcut.h"
#include "platform/shell/UrlSchemeHandler.h"
#include "platform/shell/XdgShell.h"
#include "support/CaseFile.h"
#include "support/CaseWords.h"
#include "support/KeyDump.h"
#include "support/ScopedEnv.h"
#include "support/TempFolder.h"

namespace {

// The desktop shell runs xdg-open and programs without a command interpreter: a target or an
// argument reaches the program as one word, byte for byte, and a failure is reported.
// A PATH of one folder holding an xdg-open that records its arguments and exits with `status`.
void FakeXdgOpen(TempFolder const& folder, int status) {
  WriteFileBytes(folder / "xdg-open", "#!/bin/sh\nprintf '%s|' \"$@\" > \"$0.args\"\nexit " +
                                          std::to_string(status) + "\n");
  std::filesystem::permissions(folder / "xdg-open", std::filesystem::perms::owner_all);
}

TEST(XdgShellTest, OpenHandsTheTargetToXdgOpenAsOneWordAndReportsItsExit) {
  struct Case { char const* target; int exitStatus; bool opened; } const cases[] = {
      {"/tmp/a file; $(touch pwned) `id` 'q' \"d\"", 0, true}, {"https://example.invalid/?a=1&b=2", 0, true},
      {"", 0, true}, {"/tmp/missing.txt", 4, false}};
  for (Case const& c : cases) {
    TempFolder folder;
    FakeXdgOpen(folder, c.exitStatus);
    ScopedEnv path("PATH", folder.Path().c_str());
    EXPECT_EQ(XdgShell().Open(c.target), c.opened) << c.target;
    EXPECT_EQ(ReadFileBytes(folder / "xdg-open.args"), std::string(c.target) + "|") << c.target;
    EXPECT_FALSE(std::filesystem::exists(folder / "pwned"));
  }
  TempFolder empty;
  ScopedEnv path("PATH", empty.Path().c_str());
  EXPECT_FALSE(XdgShell().Open("/tmp/x")) << "no xdg-open to start";
}

TEST(XdgShellTest, StartPassesTheArgumentVectorUnchangedAndRefusesAMissingProgram) {
  TempFolder folder;
  std::string const fifo = folder / "words";
  ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
  std::vector<std::string> const words{"two words", "$(id)", "'q'", "", "a\\b"};
  std::vector<std::string> arguments{"-c", "printf '%s|' \"$@\" > " + fifo, "sh"};
  arguments.insert(arguments.end(), words.begin(), words.end());
  ASSERT_TRUE(XdgShell().Start("/bin/sh", arguments));
  // Reading the pipe waits for the program, which does not wait for us.
  EXPECT_EQ(ReadFileBytes(fifo), "two words|$(id)|'q'||a\\b|");
  EXPECT_FALSE(XdgShell().Start(folder / "no-such-program", {}));
  ScopedEnv path("PATH", folder.Path().c_str());
  EXPECT_FALSE(XdgShell().Start("no-such-program", {"x"}));
}

TEST(XdgShellTest, AnInstalledShellServesUntilNullRestoresTheDesktops) {
  XdgShell installed;
  SetShell(&installed);
  EXPECT_EQ(&GetShell(), &installed);
  SetShell(nullptr);
  EXPECT_NE(&GetShell(), &installed);
  EXPECT_NE(dynamic_cast<XdgShell*>(&GetShell()), nullptr);
}

TEST(ArgumentStringTest, SplitsLikeAProgramReceivesIt) {
  ExpectCaseFile("platform/argument_words.txt", [](std::string const& line) {
    std::string words;
    for (std::string const& word : ArgumentString::Split(CaseWords(line)[0].text))
      words += (words.empty() ? "" : " ") + DumpText(word);
    return words.empty() ? "(no words)" : words;
  });
}

TEST(DesktopFolderTest, ReadsTheUserDirsFileOrFallsBackToDesktop) {
  ExpectCaseFile("platform/desktop_folders.txt", [](std::string const& line) {
    std::string const folder = DesktopFolder::FromUserDirs(CaseWords(line)[0].text, "/home/u");
    return folder.empty() ? "(none)" : folder;
  });
  TempFolder home;
  ScopedEnv homeVariable("HOME", home.Path().c_str());
  ScopedEnv config("XDG_CONFIG_HOME", (home / "cfg").c_str());
  EXPECT_EQ(DesktopFolder::Locate(), home / "Desktop") << "no user-dirs.dirs";
  std::filesystem::create_directories(home / "cfg");
  WriteFileBytes(home / "cfg/user-dirs.dirs", "XDG_DESKTOP_DIR=\"$HOME/Schreibtisch\"\n");
  EXPECT_EQ(DesktopFolder::Locate(), home / "Schreibtisch");
}

TEST(DesktopShortcutTest, TheEntryQuotesAndEscapesEveryArgument) {
  ExpectCaseFile("platform/shortcut_exec_values.txt", [](std::string const& line) {
    std::vector<std::string> words;
    for (CaseWord const& word : CaseWords(line)) words.push_back(word.text);
    return DesktopShortcut::ExecValue(words[0], std::vector<std::string>(words.begin() + 1, words.end()));
  });
  EXPECT_EQ(DesktopShortcut::Text(" core\\1", "/bin/h", {"/S", "core"}),
            "[Desktop Entry]\nType=Application\nVersion=1.0\nName=\\score\\\\1\nExec=/bin/h /S core\nTerminal=false\n");
}

TEST(DesktopShortcutTest, WritesAnExecutableEntryAndRefusesUnsafeLabels) {
  TempFolder desktop;
  struct Case { std::string label; bool safe; };
  for (Case const& c : {Case{"core1", true}, Case{"Lab\\core 1 (ssh)", true}, Case{std::string(235, 'a'), true},
                        Case{std::string(236, 'a'), false}, Case{"", false}, Case{"a/b", false}, Case{"..", false},
                        Case{".hidden", false}, Case{"tab\there", false}, Case{"del\x7f", false}}) {
    DesktopShortcut shortcut;
    EXPECT_EQ(shortcut.Write(desktop / "Desktop", c.label, "/bin/h", {"/S", "x"}), c.safe) << c.label;
    EXPECT_EQ(shortcut.Report().empty(), c.safe) << shortcut.Report();
    std::error_code ignored;
    EXPECT_EQ(std::filesystem::exists(desktop / ("Desktop/" + c.label + ".desktop"), ignored), c.safe) << c.label;
  }
  EXPECT_TRUE(FileMode(desktop / "Desktop/core1.desktop") & S_IXUSR);
  EXPECT_EQ(ReadFileBytes(desktop / "Desktop/core1.desktop"), DesktopShortcut::Text("core1", "/bin/h", {"/S", "x"}));

  // An entry of ours is replaced; a file of another kind is left alone.
  DesktopShortcut shortcut;
  EXPECT_TRUE(shortcut.Write(desktop / "Desktop", "core1", "/bin/h", {"/S", "y"}));
  WriteFileBytes(desktop / "Desktop/notes.desktop", "my notes\n");
  EXPECT_FALSE(shortcut.Write(desktop / "Desktop", "notes", "/bin/h", {"/S", "y"}));
  EXPECT_EQ(ReadFileBytes(desktop / "Desktop/notes.desktop"), "my notes\n");
}

constexpr char kType[] = "x-scheme-handler/telnet";

TEST(UrlSchemeHandlerTest, TheListKeepsEveryOtherLine) {
  ExpectCaseFile("platform/url_scheme_lists.txt", [](std::string const& line) {
    std::string list = UrlSchemeHandler::WithDefault(CaseWords(line)[0].text, kType, "k.desktop");
    for (size_t at = 0; (at = list.find('\r', at)) != std::string::npos;) list.replace(at, 1, "\\r");
    return list.ends_with('\n') ? list : list + "\n[no line feed at the end]\n";
  });
}

TEST(UrlSchemeHandlerTest, RegisterWritesTheEntryAndTheDefault) {
  TempFolder root;
  XdgLocations locations = XdgLocations::UnderRoot(root.Path());
  UrlSchemeHandler handler(locations);
  std::filesystem::create_directories(locations.configHome);
  WriteFileBytes(handler.ListPath(), "[Added Associations]\ntext/plain=ed.desktop;\n");
  ASSERT_TRUE(handler.Register("telnet", "korvo-telnet.desktop", "Korvo", "/opt/my hosts/cdhost-korvo", {}))
      << handler.Report();
  EXPECT_EQ(ReadFileBytes(handler.EntryPath("korvo-telnet.desktop")),
            "[Desktop Entry]\nType=Application\nVersion=1.0\nName=Korvo\nExec=\"/opt/my hosts/cdhost-korvo\" %u\n"
            "Terminal=false\nMimeType=x-scheme-handler/telnet;\nNoDisplay=true\n");
  EXPECT_EQ(ReadFileBytes(handler.ListPath()),
            "[Added Associations]\ntext/plain=ed.desktop;\n\n[Default Applications]\n"
            "x-scheme-handler/telnet=korvo-telnet.desktop\n");
  std::string const list = ReadFileBytes(handler.ListPath());
  for (char const* bad : {"", "../up.desktop", ".hidden.desktop", "no-suffix"}) {
    EXPECT_FALSE(handler.Register("telnet", bad, "Korvo", "/bin/true", {})) << bad;
    EXPECT_FALSE(handler.Report().empty()) << bad;
  }
  EXPECT_EQ(ReadFileBytes(handler.ListPath()), list);
  // A list that cannot be replaced is reported and left as it is.
  std::filesystem::remove(handler.ListPath());
  std::filesystem::create_directory(handler.ListPath());
  EXPECT_FALSE(handler.Register("telnet", "korvo-telnet.desktop", "Korvo", "/bin/true", {}));
  EXPECT_FALSE(handler.Report().empty());
  EXPECT_TRUE(std::filesystem::is_directory(handler.ListPath()));
}

}  // namespace
