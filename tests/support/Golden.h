// Compares text with a checked-in file under tests/data/golden/, byte for byte. With
// UPDATE_GOLDEN=1 in the environment the file is rewritten from the text instead. The test
// binary's own folder stands as "<executable folder>", so the files hold on any machine.
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "platform/shell/ExecutableFolder.h"
#include "support/TempFolder.h"

inline void ExpectGolden(std::string const& name, std::string actual) {
  std::string const folder = ExecutableFolder();
  for (size_t at = 0; !folder.empty() && (at = actual.find(folder, at)) != std::string::npos;)
    actual.replace(at, folder.size(), "<executable folder>");
  std::string const path = std::string(TEST_DATA_DIR) + "/golden/" + name;
  char const* update = std::getenv("UPDATE_GOLDEN");
  if (update && std::string(update) == "1") {
    WriteFileBytes(path, actual);
    return;
  }
  EXPECT_EQ(ReadFileBytes(path), actual) << path << " differs; run with UPDATE_GOLDEN=1 to rewrite it";
}
