// Desktop shortcuts: the desktop folder as the user's folders name it, the entry's text byte for
// byte (the Exec line's quoting and escaping), the labels that cannot name a file, and the file
// written executable without harming a file of another kind.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include "platform/shell/DesktopFolder.h"
#include "platform/shell/DesktopShortcut.h"
#include "support/ScopedEnv.h"
#include "support/TempFolder.h"

namespace {

TEST(DesktopFolderTest, ReadsTheUserDirsFileOrFallsBackToDesktop) {
  struct Case { char const* text; char const* folder; };
  for (Case const& c : {
           Case{"XDG_DESKTOP_DIR=\"$HOME/Bureau\"\n", "/home/u/Bureau"},
           Case{"# comment\nXDG_MUSIC_DIR=\"$HOME/Music\"\n  XDG_DESKTOP_DIR=\"/data/desk/\"\n", "/data/desk"},
           Case{"XDG_DESKTOP_DIR=\"$HOME/My \\\"Desk\\\"\"", "/home/u/My \"Desk\""},
           Case{"XDG_DESKTOP_DIR=\"$HOME\"\n", "/home/u"}, Case{"XDG_DESKTOP_DIR=\"$HOMEWARD/x\"\n", ""},
           Case{"XDG_DESKTOP_DIR=\"relative/x\"\n", ""}, Case{"XDG_DESKTOP_DIR=\"$HOME/open\n", ""},
           Case{"XDG_DESKTOP_DIR=$HOME/bare\n", ""},
           Case{"XDG_DESKTOP_DIR=\"/one\"\nXDG_DESKTOP_DIR=\"/two\"\n", "/two"},
       }) {
    EXPECT_EQ(DesktopFolder::FromUserDirs(c.text, "/home/u"), c.folder) << c.text;
  }

  TempFolder home;
  ScopedEnv homeVariable("HOME", home.Path().c_str());
  ScopedEnv config("XDG_CONFIG_HOME", (home / "cfg").c_str());
  EXPECT_EQ(DesktopFolder::Locate(), home / "Desktop") << "no user-dirs.dirs";
  std::filesystem::create_directories(home / "cfg");
  WriteFileBytes(home / "cfg/user-dirs.dirs", "XDG_DESKTOP_DIR=\"$HOME/Schreibtisch\"\n");
  EXPECT_EQ(DesktopFolder::Locate(), home / "Schreibtisch");
}

TEST(DesktopShortcutTest, TheEntryQuotesAndEscapesEveryArgument) {
  struct Case { std::string program; std::vector<std::string> arguments; std::string exec; };
  for (Case const& c : {
           Case{"/usr/bin/halokorvo", {"/S", "Lab\\core1"}, R"(/usr/bin/halokorvo /S "Lab\\\\core1")"},
           Case{"/opt/Halo Korvo/bin", {"/S", "a b"}, R"("/opt/Halo Korvo/bin" /S "a b")"},
           Case{"/bin/x", {"/S", "100% \"$HOME\" `id`"}, R"(/bin/x /S "100%% \\"\\$HOME\\" \\`id\\`")"},
           Case{"/bin/x", {""}, R"(/bin/x "")"}, Case{"/bin/x", {"line\nbreak"}, R"(/bin/x "line\nbreak")"},
       }) {
    EXPECT_EQ(DesktopShortcut::ExecValue(c.program, c.arguments), c.exec) << c.exec;
  }
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

}  // namespace
