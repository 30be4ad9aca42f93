#include <gtest/gtest.h>

#include "platform/filetypes/DefaultApplications.h"
#include "platform/filetypes/FreedesktopFileTypes.h"
#include "platform/filetypes/XdgLocations.h"
#include "support/CaseFile.h"
#include "support/CaseWords.h"
#include "support/ScopedEnv.h"

namespace {

std::string const kRoot = TEST_DATA_DIR "/filetypes";

FreedesktopFileTypes Fixture() { return FreedesktopFileTypes(XdgLocations::UnderRoot(kRoot)); }

// Where the fixture's lists differ, the user's mimeapps.list wins (txt: its first entry is not
// installed, the next is the user's own); a type no list names goes by the applications' own claims
// (log, exe, png); a desktop id holding a path is refused and the machine's list answers (c).
TEST(FreedesktopFileTypesTest, AnswersEachQuestionForAnExtensionAndEmptyForUnknownNames) {
  FreedesktopFileTypes types = Fixture();
  ExpectCaseFile("platform/freedesktop_file_types.txt", [&](std::string const& line) {
    std::string className = "untouched";
    if (!types.FindClass(CaseWords(line)[0].text, className)) return "no class, " + className;
    return className + " | " + types.ContentType(CaseWords(line)[0].text) + " | " +
           types.ClassDescription(className) + " | " + types.OpenCommand(className) + " | " +
           types.DefaultIcon(className);
  });
  for (char const* name : {"../../etc/passwd", "text/../text/plain", "text", "/plain", "text/", ""}) {
    EXPECT_EQ(types.ClassDescription(name), "") << name;
    EXPECT_EQ(types.OpenCommand(name), "") << name;
  }
  EXPECT_EQ(types.DirectoryClass(), "inode/directory");
  EXPECT_EQ(types.DefaultIcon("inode/directory"), "folder");
  EXPECT_EQ(types.OpenDirectoryIcon(), "folder-open");
}

TEST(FreedesktopFileTypesTest, ListsEveryExtensionOnceInItsGlobSpelling) {
  std::vector<std::string> const expected{"asc", "bvs", "c", "C", "dll", "exe", "gz", "h", "ico", "log", "png",
                                          "tar.gz", "txt"};
  EXPECT_EQ(Fixture().Extensions(), expected);
}

TEST(FreedesktopFileTypesTest, ExecLinesBecomeOpenCommands) {
  ExpectCaseFile("platform/exec_commands.txt", [](std::string const& line) {
    std::string const command = DefaultApplications::CommandOfExec(CaseWords(line)[0].text);
    return command.empty() ? "(none)" : command;
  });
}

TEST(FreedesktopFileTypesTest, EnvironmentChoosesTheFolders) {
  {
    ScopedEnv root("BRIMVALE_FILETYPES_ROOT", "/fixture");
    EXPECT_EQ(XdgLocations::FromEnvironment().DataFolders(),
              (std::vector<std::string>{"/fixture/home/.local/share", "/fixture/usr/local/share", "/fixture/usr/share"}));
  }
  ScopedEnv root("BRIMVALE_FILETYPES_ROOT", nullptr);
  ScopedEnv home("HOME", "/h");
  ScopedEnv configHome("XDG_CONFIG_HOME", "relative/ignored");
  ScopedEnv configDirs("XDG_CONFIG_DIRS", "/a:relative:/b");
  ScopedEnv dataHome("XDG_DATA_HOME", nullptr);
  ScopedEnv dataDirs("XDG_DATA_DIRS", "");
  XdgLocations const locations = XdgLocations::FromEnvironment();
  EXPECT_EQ(locations.ConfigFolders(), (std::vector<std::string>{"/h/.config", "/a", "/b"}));
  EXPECT_EQ(locations.DataFolders(), (std::vector<std::string>{"/h/.local/share", "/usr/local/share", "/usr/share"}));
}

}  // namespace
