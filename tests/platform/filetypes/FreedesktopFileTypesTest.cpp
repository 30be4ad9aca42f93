#include <gtest/gtest.h>

#include "platform/filetypes/DefaultApplications.h"
#include "platform/filetypes/FreedesktopFileTypes.h"
#include "platform/filetypes/XdgLocations.h"
#include "support/ScopedEnv.h"

namespace {

std::string const kRoot = TEST_DATA_DIR "/filetypes";

FreedesktopFileTypes Fixture() { return FreedesktopFileTypes(XdgLocations::UnderRoot(kRoot)); }

TEST(FreedesktopFileTypesTest, AnswersEachQuestionForARegisteredExtension) {
  struct Case { char const* extension; char const* className; char const* description; char const* openCommand;
                char const* icon; };
  Case const cases[] = {
      // The user's mimeapps.list wins; its first entry is not installed, the next is the user's own.
      {"txt", "text/plain", "plain text document", "editor 100% %1", "accessories-text-editor"},
      {"TXT", "text/plain", "plain text document", "editor 100% %1", "accessories-text-editor"},
      // No list names it: the applications' own claims decide.
      {"log", "text/x-log", "application log", "textpad --new-window %1", "text-x-log"},
      {"exe", "application/x-ms-dos-executable", "DOS/Windows executable", "wine start /unix %1",
       "application-x-ms-dos-executable"},
      {"png", "image/png", "PNG image", "viewer %1 --title", "image-png"},
      // A path in a desktop id is refused; the machine's list answers.
      {"c", "text/x-csrc", "C source code", "textpad --new-window %1", "text-x-script"},
      {"C", "text/x-c++src", "C++ source code", "", "text-x-c++src"},
      {"h", "text/x-c++hdr", "C++ header", "", "text-x-c++hdr"},
      {"tar.gz", "application/x-compressed-tar", "Tar & gzip archive", "", "package-x-generic"},
      {"Tar.GZ", "application/x-compressed-tar", "Tar & gzip archive", "", "package-x-generic"},
      {"dll", "application/x-sharedlib", "", "", "application-x-sharedlib"},
      {"bvs", "application/x-brimvale-session", "Brimvale session", "", "application-x-brimvale-session"},
  };
  FreedesktopFileTypes types = Fixture();
  for (Case const& c : cases) {
    SCOPED_TRACE(c.extension);
    std::string className = "sentinel";
    ASSERT_TRUE(types.FindClass(c.extension, className));
    EXPECT_EQ(className, c.className);
    EXPECT_EQ(types.ContentType(c.extension), c.className);
    EXPECT_EQ(types.ClassDescription(className), c.description);
    EXPECT_EQ(types.OpenCommand(className), c.openCommand);
    EXPECT_EQ(types.DefaultIcon(className), c.icon);
  }
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
