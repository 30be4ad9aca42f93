#include "platform/notify/BroadcastListener.h"

#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstring>

#include "platform/registry/HiveLocations.h"

namespace {

std::atomic<unsigned> listenerCount{0};

int RemainingMs(std::chrono::steady_clock::time_point deadline) {
  auto const left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
  return left.count() > 0 ? static_cast<int>(left.count()) : 0;
}

}  // namespace

BroadcastListener::BroadcastListener() {
  if (!Bind() && m_socket >= 0) {
    close(m_socket);
    m_socket = -1;
  }
}

BroadcastListener::~BroadcastListener() {
  if (m_socket < 0) return;
  close(m_socket);
  unlink(m_path.c_str());
}

bool BroadcastListener::Bind() {
  std::string const folder = BroadcastFolder();
  if (!CreateFolders(folder, 0700)) return false;
  m_path = folder + "/" + std::to_string(getpid()) + "-" + std::to_string(listenerCount++) + ".sock";
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  if (m_path.size() >= sizeof(address.sun_path)) return false;
  std::memcpy(address.sun_path, m_path.c_str(), m_path.size() + 1);
  m_socket = socket(AF_UNIX, SOCK_DGRAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
  if (m_socket < 0) return false;
  // A file of this name can only be left over from a dead process that had our process id.
  unlink(m_path.c_str());
  return bind(m_socket, reinterpret_cast<sockaddr*>(&address), sizeof(address)) == 0;
}

bool BroadcastListener::Receive(BroadcastMessage& message, int timeoutMs) {
  if (m_socket < 0) return false;
  auto const deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs < 0 ? 0 : timeoutMs);
  for (;;) {
    BroadcastMessage received;
    ssize_t const size = recv(m_socket, &received, sizeof(received), MSG_TRUNC);
    if (size == static_cast<ssize_t>(sizeof(received))) {
      message = received;
      return true;
    }
    if (size >= 0 || errno == EINTR) continue;
    if (errno != EAGAIN && errno != EWOULDBLOCK) return false;
    pollfd waiting{m_socket, POLLIN, 0};
    int const wait = timeoutMs < 0 ? -1 : RemainingMs(deadline);
    if (wait == 0 && timeoutMs >= 0) return false;
    if (poll(&waiting, 1, wait) == 0) return false;
  }
}

bool BroadcastListener::IsOwnPost(BroadcastMessage const& message) { return message.sender == getpid(); }
