// The desktop shell runs xdg-open and programs without a command interpreter: a target or an
// argument reaches the program as one word, byte for byte, and a failure is reported.
#include "platform/shell/XdgShell.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <string>
#include <vector>

#include "support/ScopedEnv.h"
#include "support/TempFolder.h"

namespace {

// A PATH of one folder holding an xdg-open that records its arguments and exits with `status`.
void FakeXdgOpen(TempFolder const& folder, int status) {
  WriteFileBytes(folder / "xdg-open", "#!/bin/sh\nprintf '%s|' \"$@\" > \"$0.args\"\nexit " +
                                          std::to_string(status) + "\n");
  std::filesystem::permissions(folder / "xdg-open", std::filesystem::perms::owner_all);
}

TEST(XdgShellTest, OpenHandsTheTargetToXdgOpenAsOneWordAndReportsItsExit) {
  struct Case { char const* target; int exitStatus; bool opened; } const cases[] = {
      {"/tmp/a file; $(touch pwned) `id` 'q' \"d\"", 0, true},
      {"https://example.invalid/?a=1&b=2", 0, true},
      {"", 0, true}, {"/tmp/missing.txt", 4, false},
  };
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
  std::string expected;
  for (std::string const& word : words) expected += word + "|";
  EXPECT_EQ(ReadFileBytes(fifo), expected);

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

}  // namespace
