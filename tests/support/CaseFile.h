// A golden file (Golden.h) that also holds its own inputs: every line that starts with `marker`
// is a case, and the lines after it up to the next case are what `run` answered for it. Lines
// before the first case are kept as they are, for a note on what the file checks. The test
// rebuilds the file from the cases and compares it whole, so adding a case is adding its line
// and running with UPDATE_GOLDEN=1.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "support/Golden.h"

// The cases of a case file, in order: the text after `marker` on each line that starts with it.
inline std::vector<std::string> CaseInputs(std::string const& text, std::string const& marker) {
  std::vector<std::string> inputs;
  for (size_t at = 0; at < text.size();) {
    size_t const end = std::min(text.find('\n', at), text.size());
    if (text.compare(at, marker.size(), marker) == 0)
      inputs.push_back(text.substr(at + marker.size(), end - at - marker.size()));
    at = end + 1;
  }
  return inputs;
}

// The note above the first case, as it stands in the file.
inline std::string CaseFileNote(std::string const& text, std::string const& marker) {
  size_t const first = text.starts_with(marker) ? 0 : text.find("\n" + marker);
  return first == std::string::npos ? text : text.substr(0, first == 0 ? 0 : first + 1);
}

// `run` answers one case with its lines, each ending in a newline.
inline void ExpectCaseFile(std::string const& name, std::function<std::string(std::string const&)> const& run,
                           std::string const& marker = "> ") {
  std::string const stored = ReadFileBytes(std::string(TEST_DATA_DIR) + "/golden/" + name);
  std::vector<std::string> const inputs = CaseInputs(stored, marker);
  ASSERT_FALSE(inputs.empty()) << name << " holds no case";
  std::string rebuilt = CaseFileNote(stored, marker);
  for (std::string const& input : inputs) {
    std::string const answer = run(input);
    rebuilt += marker + input + "\n" + answer;
    if (!answer.empty() && !answer.ends_with('\n')) rebuilt += "\n";
  }
  ExpectGolden(name, rebuilt);
}
