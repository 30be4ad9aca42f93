// cdtool launch starts the sibling program named in the global options with /S and the session
// path as separate arguments, never through a shell: a fake program records what it was given.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "support/CdtoolRunner.h"

namespace {

class CdtoolLaunchTest : public CdtoolTest {
 protected:
  // The program writes each argument in brackets on a line of its own into a FIFO, so that the
  // test reads them once it has run, without waiting on a clock.
  void SetUp() override {
    m_previous = std::filesystem::current_path();
    // Anything a shell would run from the path lands here, where the test looks for it.
    std::filesystem::current_path(m_root.Path());
    ASSERT_EQ(mkfifo(m_root.File("arguments").c_str(), 0600), 0);
    // It lets go of the tool's output first, so that the tool's reader sees its end.
    WriteFileBytes(m_root.File("fake program"), "#!/bin/sh\nexec >/dev/null\nfor a in \"$@\"; do printf '[%s]\\n' \"$a\"; "
                                                "done > '" + m_root.File("arguments") + "'\n");
    std::filesystem::permissions(m_root.File("fake program"), std::filesystem::perms::owner_all);
  }
  void TearDown() override { std::filesystem::current_path(m_previous); }

  std::string ReceivedArguments() const {
    std::ifstream fifo(m_root.File("arguments"));
    return std::string(std::istreambuf_iterator<char>(fifo), {});
  }

  std::filesystem::path m_previous;
};

TEST_F(CdtoolLaunchTest, ThePathArrivesAsOneArgumentAndNothingElseRuns) {
  std::string const folder = "it's a; $(touch injected)";
  std::string const path = folder + "\\b `touch injected` ; x";
  ASSERT_EQ(Run("session mkdir " + ShellQuoted(folder)).exitCode, 0);
  ASSERT_EQ(Run("session new " + ShellQuoted(path) + " --host h").exitCode, 0);
  std::string const program = ShellQuoted(m_root.File("fake program"));
  for (auto const& [application, option] : {std::pair{"terminal", "'HaloKorvo EXE Path'"},
                                            std::pair{"transfer", "'HaloFyx EXE Path'"}}) {
    ASSERT_EQ(Run(std::string("global set ") + option + " " + program).exitCode, 0);
    CdtoolResult const launched = Run(std::string("launch ") + application + " " + ShellQuoted(path));
    ASSERT_EQ(launched.exitCode, 0) << launched.err;
    EXPECT_EQ(ReceivedArguments(), "[/S]\n[" + path + "]\n") << application;
  }
  EXPECT_FALSE(std::filesystem::exists(m_root.File("injected")));
  ExpectExits({
      {"launch terminal " + ShellQuoted(folder), 1, "no session"},
      {"launch both " + ShellQuoted(path), 2, ""},
  });
}

}  // namespace
