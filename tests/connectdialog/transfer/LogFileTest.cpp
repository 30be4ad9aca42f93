#include "transfer/LogFile.h"

#include <gtest/gtest.h>

#include <time.h>
#include <unistd.h>

#include <optional>

#include "platform/ui/HeadlessUserInterface.h"
#include "support/CaseFile.h"
#include "support/CaseWords.h"
#include "support/Joined.h"
#include "support/KeyDump.h"
#include "support/ScopedEnv.h"
#include "support/TempFolder.h"

namespace {

// Sets the process's local time zone (TZ, a POSIX zone string such as "UTC0" or "JST-9", which
// needs no zone database) for one scope and restores the previous zone after.
class ScopedTimeZone {
 public:
  explicit ScopedTimeZone(char const* zone) {
    m_env.emplace("TZ", zone);
    tzset();
  }
  ~ScopedTimeZone() {
    m_env.reset();
    tzset();
  }
  ScopedTimeZone(ScopedTimeZone const&) = delete;
  ScopedTimeZone& operator=(ScopedTimeZone const&) = delete;

 private:
  std::optional<ScopedEnv> m_env;
};

constexpr VTime kMarch2 = 1709384709;  // 2024-03-02 13:05:09 UTC

TEST(LogFileExpandTest, CodesEnvironmentReferencesAndTheCutAt511Characters) {
  ScopedEnv logDir("CDTEST_LOGDIR", "/var/log/%H"), longValue("CDTEST_LONG", std::string(600, 'x').c_str());
  ExpectCaseFile("connectdialog/log_file_names.txt", [](std::string const& line) {
    std::vector<CaseWord> const w = CaseWords(line);
    auto const given = [&](int i) { return w[i].text == "-" ? nullptr : w[i].text.c_str(); };
    ScopedTimeZone zone(w[4].text.c_str());
    VTime const time = given(3) ? std::stoll(w[3].text) : 0;
    return DumpText(LogFile::Expand(given(1), given(2), given(3) ? &time : nullptr, VString(w[0].text)).Str());
  });
  // The environment's expansion is cut at 511 characters before the codes, never inside a character.
  ScopedTimeZone zone("UTC0");
  std::pair<std::string, std::string> const cut[] = {
      {"%CDTEST_LONG%", std::string(511, 'x')}, {std::string(511, 'a') + "b", std::string(511, 'a')},
      {std::string(509, 'a') + "%Y%%tail", std::string(509, 'a') + "2024"},
      {std::string(510, 'a') + "\xC3\xA9", std::string(510, 'a')}};
  for (auto const& [pattern, expected] : cut)
    EXPECT_EQ(LogFile::Expand("h", "s", &kMarch2, VString(pattern)).Str(), expected) << pattern.size();
}

class LogFileTest : public ::testing::Test {
 protected:
  LogFileTest() { SetUserInterface(&m_ui); }
  ~LogFileTest() override { SetUserInterface(nullptr); }
  HeadlessUserInterface m_ui;
  TempFolder m_dir;
};

TEST_F(LogFileTest, TheChooserAppearsForAnEmptyPathOrWhenAlwaysAsked) {
  // chosen: none when the user cancels.
  struct Case { std::string path; int mode; std::optional<std::string> chosen; };
  Case const cases[] = {
      {"", 0, std::nullopt}, {"", LogFile::kAppend, m_dir / "picked.log"},
      {m_dir / "given.log", LogFile::kAlwaysAsk, m_dir / "picked.log"},
  };
  for (Case const& c : cases) {
    HeadlessUserInterface ui;
    SetUserInterface(&ui);
    if (c.chosen) ui.Script(IDOK, *c.chosen);
    VString path = c.path;
    bool cancelled = false;
    LogFile log;
    bool const opened = log.Open(path, c.mode, cancelled, true);
    EXPECT_EQ(Joined(opened, cancelled, path), Joined(c.chosen.has_value(), !c.chosen, c.chosen.value_or(c.path)));
    ASSERT_EQ(ui.Shown().size(), 1u) << c.path;  // the chooser, and no message box
    ShownDialog const& chooser = ui.Shown()[0];
    EXPECT_EQ(Joined(chooser.kind == ShownDialog::Kind::SaveFile, chooser.caption, chooser.proposedName,
                     chooser.initial, chooser.text),
              "1|Select Log File|session.log|" + c.path + "|Log Files (*.log)|*.log|All Files (*.*)|*.*||");
  }
}

// Appenders share a file; a fresh start keeps other writers out and is kept out by them.
TEST_F(LogFileTest, OpenFailuresAreReportedWithTheirCause) {
  std::string const file = m_dir / "shared.log";
  std::string const inUse = "Unable to open log file: " + file + "\nFile already in use.";
  // holder: the mode another writer holds the file with; message: empty when it opens.
  struct Case { std::optional<int> holder; std::string path; int mode; std::string message; };
  Case const cases[] = {
      {LogFile::kAppend, file, LogFile::kAppend | LogFile::kAppendEachWrite, ""}, {LogFile::kAppend, file, 0, inUse},
      {0, file, LogFile::kAppend, inUse}, {0, file, 0, inUse},
      {std::nullopt, m_dir / "missing/s.log", 0, "Unable to open log file: " + m_dir / "missing/s.log\nError code: 2"},
      {std::nullopt, m_dir.Path(), LogFile::kAppend, "Unable to open log file: " + m_dir.Path() + "\nError code: 21"},
  };
  for (Case const& c : cases) {
    HeadlessUserInterface ui;
    SetUserInterface(&ui);
    VString holderPath = file, path = c.path;
    bool cancelled = true;
    LogFile holder, log;
    ASSERT_TRUE(!c.holder || holder.Open(holderPath, *c.holder, cancelled, true));
    EXPECT_EQ(log.Open(path, c.mode, cancelled, true), c.message.empty()) << c.path;
    EXPECT_FALSE(cancelled);
    log.Write("x", 1);  // never opened: nothing written, nothing shown
    std::vector<std::string> shown;
    for (ShownDialog const& dialog : ui.Shown()) shown.push_back(dialog.text);
    EXPECT_EQ(shown, c.message.empty() ? std::vector<std::string>{} : std::vector<std::string>{c.message});
    LogFile quiet;
    EXPECT_EQ(quiet.Open(path, c.mode, cancelled, false), c.message.empty());
    EXPECT_EQ(ui.Shown().size(), shown.size()) << "errors not to be shown are not";
  }
}

TEST_F(LogFileTest, TheFirstFailedWriteIsReportedOnceAndEndsLogging) {
  if (access("/dev/full", W_OK) != 0) GTEST_SKIP() << "no /dev/full";
  for (bool showErrors : {true, false}) {
    VString path = "/dev/full";
    bool cancelled = false;
    LogFile log;
    ASSERT_TRUE(log.Open(path, LogFile::kAppend, cancelled, showErrors));
    log.Write("abc", 3);
    log.Write("def", 3);
  }
  std::string const failed = "Unable to write to log file: /dev/full\n\tError code: 28\nNo more data will be logged.";
  ASSERT_EQ(m_ui.Shown().size(), 1u);
  EXPECT_EQ(m_ui.Shown()[0].text, failed);
}

// Two writers take turns on a file that held "old".
TEST_F(LogFileTest, WritesLandWhereTheModeSays) {
  struct Case { int mode; std::string expected; };
  Case const cases[] = {
      {0, "1-333"},                                                  // emptied; the second is kept out
      {LogFile::kAppend, "old22333"},                                // each writer keeps its own position
      {LogFile::kAppend | LogFile::kAppendEachWrite, "old1-22-333"},  // each write goes to the end
  };
  for (Case const& c : cases) {
    std::string const file = m_dir / ("turns" + std::to_string(c.mode) + ".log");
    WriteFileBytes(file, "old");
    VString path = file;
    bool cancelled = false;
    LogFile first, second;
    ASSERT_TRUE(first.Open(path, c.mode, cancelled, false));
    EXPECT_EQ(second.Open(path, c.mode, cancelled, false), (c.mode & LogFile::kAppend) != 0);
    first.Write("1-", 2);
    second.Write("22-", 3);
    first.Write("333", 3);
    EXPECT_EQ(ReadFileBytes(file), c.expected) << c.mode;
  }
}

}  // namespace
