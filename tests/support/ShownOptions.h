// What `cdtool session show PATH --json` shows for some options, to compare in one assertion.
#pragma once

#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "support/CdtoolRunner.h"

// The values shown for `names`, in their order; null for a name the session does not show.
inline std::vector<nlohmann::json> ShownOptions(CdtoolRunner const& tool, std::string const& path,
                                                std::vector<std::string> const& names) {
  nlohmann::json const shown = nlohmann::json::parse(tool.Run("session show " + ShellQuoted(path) + " --json").out);
  std::vector<nlohmann::json> values(names.size());
  for (auto const& option : shown["options"])
    for (size_t i = 0; i < names.size(); ++i)
      if (option["name"] == names[i]) values[i] = option["value"];
  return values;
}
