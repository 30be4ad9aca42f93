// The sessions this host opened last, newest first, kept in the product's store ("Recent
// Sessions", a text list) so every run of the product shows them. At most nine are kept, the
// most "MRU Count" allows; a session opened again moves to the front.
#pragma once

#include <string>
#include <vector>

class RecentSessions {
 public:
  static constexpr int kMost = 9;

  // The first `count` paths.
  static std::vector<std::string> List(int count);
  // Puts `path` in front; false when the store did not take it.
  static bool Add(std::string const& path);
};
