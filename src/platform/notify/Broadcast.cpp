#include "platform/notify/Broadcast.h"

#include <dirent.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <memory>

#include "platform/registry/HiveLocations.h"

namespace {

constexpr std::string_view kSocketSuffix = ".sock";

bool IsSocketName(std::string_view name) {
  return name.size() > kSocketSuffix.size() && name.substr(name.size() - kSocketSuffix.size()) == kSocketSuffix;
}

// False when the listener is gone (its socket file is then removed); true when it received
// the message or was merely busy.
bool SendTo(int sender, std::string const& path, BroadcastMessage const& message, bool& delivered) {
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  if (path.size() >= sizeof(address.sun_path)) return true;
  std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
  delivered = sendto(sender, &message, sizeof(message), MSG_DONTWAIT, reinterpret_cast<sockaddr*>(&address),
                     sizeof(address)) == static_cast<ssize_t>(sizeof(message));
  return delivered || (errno != ECONNREFUSED && errno != ENOENT);
}

}  // namespace

std::string BroadcastFolder() { return UserConfigFolder() + "/broadcast"; }

int PostBroadcast(uint32_t message, uint64_t wParam, int64_t lParam) {
  std::string const folder = BroadcastFolder();
  auto const closeListing = [](DIR* listing) { closedir(listing); };
  std::unique_ptr<DIR, decltype(closeListing)> listing(opendir(folder.c_str()), closeListing);
  if (!listing) return 0;
  int const sender = socket(AF_UNIX, SOCK_DGRAM | SOCK_CLOEXEC, 0);
  if (sender < 0) return 0;
  BroadcastMessage const posted{message, static_cast<int32_t>(getpid()), wParam, lParam};
  int count = 0;
  while (dirent const* entry = readdir(listing.get())) {
    if (!IsSocketName(entry->d_name)) continue;
    std::string const path = folder + "/" + entry->d_name;
    bool delivered = false;
    if (!SendTo(sender, path, posted, delivered)) unlink(path.c_str());
    count += delivered ? 1 : 0;
  }
  close(sender);
  return count;
}
