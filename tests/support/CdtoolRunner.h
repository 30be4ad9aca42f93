// Runs the cdtool program with --root set to a test's isolated folder and collects its exit
// code, stdout and stderr; CdtoolTest is the fixture the tool's tests share.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/CommandOutput.h"
#include "support/ScopedRoot.h"
#include "support/TempFolder.h"

// `text` as one word for the shell that runs the tool: in single quotes, a quote as '\''.
inline std::string ShellQuoted(std::string const& text) {
  std::string quoted = "'";
  for (char c : text) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return quoted + "'";
}

struct CdtoolResult { int exitCode = -1; std::string out; std::string err; };

class CdtoolRunner {
 public:
  explicit CdtoolRunner(ScopedRoot const& root) : m_root(root) {}

  // Arguments go through the shell as written: quote them there when they hold blanks.
  // `input` is what the tool reads on standard input.
  CdtoolResult Run(std::string const& arguments, std::string const& input = "") const {
    std::string const errFile = m_root.File("stderr.txt");
    std::string const inFile = m_root.File("stdin.txt");
    WriteFileBytes(inFile, input);
    std::string const command = std::string("'") + CDTOOL_PATH + "' --root '" + m_root.Path() + "' " + arguments +
                                " <'" + inFile + "' 2>'" + errFile + "'";
    CdtoolResult result;
    result.out = CommandOutput(command, &result.exitCode);
    result.err = ReadFileBytes(errFile);
    return result;
  }

 private:
  ScopedRoot const& m_root;
};

// One call of the tool in a sequence: its exit code and its whole standard output; its whole
// standard error too when `err` is not empty.
struct CdtoolStep {
  std::string arguments;
  int exitCode;
  std::string out;
  std::string err = "", input = "";
};

// A call the tool refuses or accepts by its exit code, with a part its standard error must hold.
struct CdtoolExit { std::string arguments; int exitCode; std::string errorPart; };

class CdtoolTest : public ::testing::Test {
 protected:
  CdtoolResult Run(std::string const& arguments, std::string const& input = "") const {
    return m_runner.Run(arguments, input);
  }

  // Writes `bytes` to `name` in the test's root and returns the file's path, for the tool to read.
  std::string WriteFile(std::string const& name, std::string const& bytes) const {
    WriteFileBytes(m_root.File(name), bytes);
    return m_root.File(name);
  }

  // Runs `arguments` with `script` written to the JSON script file that the dialog verbs play.
  CdtoolResult RunScript(std::string const& arguments, std::string const& script) const {
    return Run(arguments + " --script " + WriteFile("script.json", script));
  }

  // Every one of `parts` is somewhere in the result's standard output.
  static void ExpectParts(CdtoolResult const& result, std::vector<std::string> const& parts) {
    for (std::string const& part : parts) EXPECT_NE(result.out.find(part), std::string::npos) << part << "\n" << result.out;
  }

  void ExpectSteps(std::vector<CdtoolStep> const& steps) const {
    for (CdtoolStep const& step : steps) {
      CdtoolResult const result = Run(step.arguments, step.input);
      EXPECT_EQ(result.exitCode, step.exitCode) << step.arguments << "\n" << result.err;
      EXPECT_EQ(result.out, step.out) << step.arguments;
      if (!step.err.empty()) {
        EXPECT_EQ(result.err, step.err) << step.arguments;
      }
    }
  }

  void ExpectExits(std::vector<CdtoolExit> const& cases) const {
    for (CdtoolExit const& c : cases) {
      CdtoolResult const result = Run(c.arguments);
      EXPECT_EQ(result.exitCode, c.exitCode) << c.arguments << "\n" << result.err;
      EXPECT_NE(result.err.find(c.errorPart), std::string::npos) << c.arguments << "\n" << result.err;
    }
  }

  ScopedRoot m_root;
  CdtoolRunner m_runner{m_root};
};
