#include "platform/shell/UserName.h"

#include <pwd.h>
#include <unistd.h>

#include <vector>

std::optional<std::string> UserName::Current() {
  long const suggested = sysconf(_SC_GETPW_R_SIZE_MAX);
  std::vector<char> buffer(suggested > 0 ? static_cast<size_t>(suggested) : 16384);
  passwd entry{};
  passwd* found = nullptr;
  if (getpwuid_r(geteuid(), &entry, buffer.data(), buffer.size(), &found) != 0 || !found || !found->pw_name)
    return std::nullopt;
  return std::string(found->pw_name);
}
