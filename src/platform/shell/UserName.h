// The name the current user logs in with, from the user database (not from the environment,
// which a caller may have changed).
#pragma once

#include <optional>
#include <string>

class UserName {
 public:
  // Empty when the user has no entry in the user database.
  static std::optional<std::string> Current();
};
