// Broadcast messages between the running processes of one user, the way a host posts a
// registered window message to every top-level window. Each listening process binds one
// datagram socket in the per-user broadcast folder; a post sends one datagram to every socket
// found there. Delivery is best effort: a listener whose queue is full misses the message.
#pragma once

#include <cstdint>
#include <string>

struct BroadcastMessage {
  uint32_t message = 0;  // a registered message identifier
  int32_t sender = 0;    // the posting process, so that a listener may skip its own posts
  uint64_t wParam = 0;
  int64_t lParam = 0;
};

static_assert(sizeof(BroadcastMessage) == 24, "a broadcast travels as its 24 bytes");

// The per-user folder of listener sockets: the per-user hive folder's "broadcast".
std::string BroadcastFolder();

// Sends the message, with this process as sender, to every listener of the user, including
// this process's own. Sockets whose listener is gone are removed. Returns how many listeners
// received it.
int PostBroadcast(uint32_t message, uint64_t wParam, int64_t lParam);
