#include "platform/files/AtomicFileWriter.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <csignal>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "support/TempFolder.h"
#include "support/UnprivilegedChild.h"

namespace {

namespace fs = std::filesystem;
using Result = AtomicFileWriter::Result;

std::vector<std::string> Listing(std::string const& folder) {
  std::vector<std::string> names;
  for (fs::directory_entry const& entry : fs::directory_iterator(folder)) names.push_back(entry.path().filename());
  std::sort(names.begin(), names.end());
  return names;
}

// Makes a file or folder the unprivileged child's own (it already is when the test is not root).
void GiveToChild(std::string const& path, mode_t mode) {
  ASSERT_EQ(0, geteuid() == 0 ? chown(path.c_str(), 65534, 65534) : 0);
  ASSERT_EQ(0, chmod(path.c_str(), mode));
}

char Code(Result result) { return "RIF"[static_cast<int>(result)]; }

class AtomicFileWriterTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_EQ(0, chmod(m_folder.Path().c_str(), 0755)); }
  // So that the folder can be removed by a user whom its mode would stop.
  void TearDown() override { chmod((m_folder / "closed").c_str(), 0755); }
  TempFolder m_folder;
  AtomicFileWriter m_writer;
};

TEST_F(AtomicFileWriterTest, ReplacesTheFileALinkNamesAndKeepsItsMode) {
  // link: written through instead of the file, when set
  struct Case { char const* name; mode_t mode; char const* link; };
  Case const cases[] = {{"private", 0600, nullptr}, {"script", 0755, nullptr}, {"linked", 0600, "sub/to-linked"},
                        {"chained", 0640, "sub/to-to-chained"}};
  fs::create_directory(m_folder / "sub");
  fs::create_symlink("../linked", m_folder / "sub/to-linked");
  fs::create_symlink("to-chained", m_folder / "sub/to-to-chained");
  fs::create_symlink(m_folder / "chained", m_folder / "sub/to-chained");
  for (Case const& c : cases) {
    std::string const file = m_folder / c.name;
    WriteFileBytes(file, "old");
    ASSERT_EQ(0, chmod(file.c_str(), c.mode));
    std::string const written = c.link ? m_folder / c.link : file;
    EXPECT_EQ(Result::Replaced, m_writer.Write(written, std::string("new\0bytes", 9))) << m_writer.Report();
    EXPECT_EQ(std::string("new\0bytes", 9), ReadFileBytes(file)) << c.name;
    EXPECT_EQ(c.mode, FileMode(file)) << c.name;
    EXPECT_TRUE(!c.link || fs::is_symlink(written)) << written;
  }
  EXPECT_EQ(fs::path("../linked"), fs::read_symlink(m_folder / "sub/to-linked"));
  EXPECT_EQ((std::vector<std::string>{"chained", "linked", "private", "script", "sub"}), Listing(m_folder.Path()));
}

TEST_F(AtomicFileWriterTest, NewFilesAndWhatCannotBeWritten) {
  mode_t const mask = umask(027);
  EXPECT_EQ(Result::Replaced, m_writer.Write(m_folder / "new", "abc"));
  umask(mask);
  EXPECT_EQ(0640u, FileMode(m_folder / "new"));
  fs::create_symlink("missing", m_folder / "dangling");
  EXPECT_EQ(Result::Replaced, m_writer.Write(m_folder / "dangling", "made"));
  EXPECT_EQ("made", ReadFileBytes(m_folder / "missing"));
  EXPECT_TRUE(fs::is_symlink(m_folder / "dangling"));
  fs::create_symlink("loop", m_folder / "loop");
  fs::create_directory(m_folder / "folder");
  for (std::string const bad : {"loop", "folder", "no-such-folder/file"}) {
    EXPECT_EQ(Result::Failed, m_writer.Write(m_folder / bad, "x")) << bad;
    EXPECT_NE(std::string::npos, m_writer.Report().find(bad)) << m_writer.Report();
  }
  EXPECT_EQ((std::vector<std::string>{"dangling", "folder", "loop", "missing", "new"}), Listing(m_folder.Path()));
}

TEST_F(AtomicFileWriterTest, AFolderThatTakesNoNewFileIsWrittenInPlace) {
  fs::create_directory(m_folder / "closed");
  WriteFileBytes(m_folder / "closed/file", "old content, longer than the new");
  GiveToChild(m_folder / "closed/file", 0640);
  ASSERT_EQ(0, chmod((m_folder / "closed").c_str(), 0555));
  std::optional<std::string> const answer = RunUnprivileged([&] {
    AtomicFileWriter writer;
    return Code(writer.Write(m_folder / "closed/file", "new")) + writer.Report();
  });
  ASSERT_TRUE(answer.has_value());
  EXPECT_EQ('I', answer->front()) << *answer;
  EXPECT_NE(std::string::npos, answer->find("written in place")) << *answer;
  EXPECT_EQ("new", ReadFileBytes(m_folder / "closed/file"));
  EXPECT_EQ(0640u, FileMode(m_folder / "closed/file"));
  EXPECT_EQ(std::vector<std::string>{"file"}, Listing(m_folder / "closed"));
}

// A file-size limit makes every write past 64 bytes fail, as a full disk would.
TEST_F(AtomicFileWriterTest, AFailedWriteLeavesTheOldContentAndNoTemporary) {
  for (char const* folder : {"open", "closed"}) {
    fs::create_directory(m_folder / folder);
    WriteFileBytes(m_folder / folder + "/file", "old content");
    GiveToChild(m_folder / folder + "/file", 0644);
  }
  GiveToChild(m_folder / "open", 0755);
  ASSERT_EQ(0, chmod((m_folder / "closed").c_str(), 0555));
  std::optional<std::string> const answer = RunUnprivileged([&] {
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit const limit{64, 64};
    setrlimit(RLIMIT_FSIZE, &limit);
    AtomicFileWriter writer;
    std::string const big(1000, 'n');
    return std::string{Code(writer.Write(m_folder / "open/file", big)),
                       Code(writer.Write(m_folder / "closed/file", big))};
  });
  ASSERT_TRUE(answer.has_value());
  EXPECT_EQ("FF", *answer);
  for (char const* folder : {"open", "closed"}) {
    EXPECT_EQ("old content", ReadFileBytes(m_folder / folder + "/file")) << folder;
    EXPECT_EQ(std::vector<std::string>{"file"}, Listing(m_folder / folder)) << folder;
  }
}

}  // namespace
