#include "platform/shell/UserName.h"

#include <pwd.h>
#include <unistd.h>

#include <vector>

bool UserName::Get(std::string& name) {
  long const suggested = sysconf(_SC_GETPW_R_SIZE_MAX);
  std::vector<char> buffer(suggested > 0 ? static_cast<size_t>(suggested) : 4096);
  passwd entry{};
  passwd* found = nullptr;
  if (getpwuid_r(geteuid(), &entry, buffer.data(), buffer.size(), &found) != 0 || found == nullptr) return false;
  name = found->pw_name;
  return true;
}
