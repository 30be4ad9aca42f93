// The name of the user the process runs as.
#pragma once

#include <string>

class UserName {
 public:
  // The login name of the effective user from the user database; false when it has no entry.
  static bool Get(std::string& name);
};
