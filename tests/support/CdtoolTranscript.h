// A run of commands compared with a golden file (Golden.h): each command after "$ ", its
// standard output as it came, each line of its standard error after "! ", and "[exit N]" when it
// did not exit 0. In the tool's transcripts the test's root folder stands as "<root>".
#pragma once

#include <algorithm>
#include <filesystem>
#include <functional>
#include <string>

#include "support/CaseFile.h"
#include "support/CdtoolRunner.h"
#include "support/Golden.h"

// What one command answered, as a transcript shows it below the command's line.
inline std::string AnswerText(CdtoolResult const& result) {
  std::string text = result.out;
  if (!result.out.empty() && !result.out.ends_with('\n')) text += "[no newline at the end]\n";
  for (size_t at = 0; at < result.err.size();) {
    size_t const end = std::min(result.err.find('\n', at), result.err.size());
    text += "! " + result.err.substr(at, end - at) + "\n";
    at = end + 1;
  }
  if (result.exitCode != 0) text += "[exit " + std::to_string(result.exitCode) + "]\n";
  return text;
}

class CdtoolTranscriptTest : public CdtoolTest {
 protected:
  // The commands are the golden file's own "$ " lines (CaseFile.h), where "<root>" stands for
  // the test's root folder as it does in the answers; every command reads `input`.
  void ExpectTranscriptFile(std::string const& golden, std::string const& input = "") const {
    ExpectTranscriptFile(golden, [&](std::string const& command) { return Run(command, input); });
  }
  // ... with `run` answering each command.
  void ExpectTranscriptFile(std::string const& golden, std::function<CdtoolResult(std::string const&)> const& run) const {
    ExpectCaseFile("cdtool/" + golden, [&](std::string const& command) {
      return RootNamed(AnswerText(run(Replaced(command, "<root>", m_root.Path()))));
    }, "$ ");
  }
  static std::string Replaced(std::string text, std::string const& from, std::string const& to) {
    for (size_t at = 0; (at = text.find(from, at)) != std::string::npos; at += to.size())
      text.replace(at, from.size(), to);
    return text;
  }

 private:
  // The tool's own folder holds defaults such as its transfer folders.
  std::string RootNamed(std::string const& text) const {
    return Replaced(Replaced(text, m_root.Path(), "<root>"), std::filesystem::path(CDTOOL_PATH).parent_path(),
                    "<executable folder>");
  }
};
