#include <gtest/gtest.h>

#include "platform/filetypes/DefaultApplications.h"
#include "platform/filetypes/FreedesktopFileTypes.h"
#include "platform/filetypes/XdgLocations.h"
#include "support/Golden.h"
#include "support/ScopedEnv.h"

namespace {

std::string const kRoot = TEST_DATA_DIR "/filetypes";

FreedesktopFileTypes Fixture() { return FreedesktopFileTypes(XdgLocations::UnderRoot(kRoot)); }

// Every answer for each registered extension: its class, content type, description, open command
// and icon. Where the fixture's lists differ, the user's mimeapps.list wins (txt: its first entry
// is not installed, the next is the user's own); a type no list names goes by the applications'
// own claims (log, exe, png); a desktop id holding a path is refused and the machine's list answers (c).
TEST(FreedesktopFileTypesTest, AnswersEachQuestionForARegisteredExtension) {
  FreedesktopFileTypes types = Fixture();
  std::string answers;
  for (char const* extension : {"txt", "TXT", "log", "exe", "png", "c", "C", "h", "tar.gz", "Tar.GZ", "dll", "bvs"}) {
    std::string className = "sentinel";
    EXPECT_TRUE(types.FindClass(extension, className)) << extension;
    answers += std::string(extension) + ": " + className + " | " + types.ContentType(extension) + " | " +
               types.ClassDescription(className) + " | " + types.OpenCommand(className) + " | " +
               types.DefaultIcon(className) + "\n";
  }
  ExpectGolden("platform/freedesktop_file_types.txt", answers);
}

TEST(FreedesktopFileTypesTest, UnknownAndMalformedNamesAnswerEmpty) {
  FreedesktopFileTypes types = Fixture();
  // "bad" has a broken weight, "readme" only a wildcard glob, "ch" a character class.
  for (char const* extension : {"bad", "readme", "ch", "", ".txt", "txt ", "xyz", "gz.tar"}) {
    std::string className = "untouched";
    EXPECT_FALSE(types.FindClass(extension, className)) << extension;
    EXPECT_EQ(className, "untouched");
  }
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
  std::pair<char const*, char const*> const cases[] = {
      {"app %f", "app %1"},       {"app %U", "app %1"},  {"app", "app %1"},
      {"app %i %c %k", "app %1"}, {"app 50%%", "app 50% %1"}, {"", ""}, {"app %", "app % %1"},
  };
  for (auto const& [exec, command] : cases) EXPECT_EQ(DefaultApplications::CommandOfExec(exec), command) << exec;
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
