// One process's ear for broadcast messages (see Broadcast.h): a datagram socket in the
// per-user broadcast folder, removed again when the listener is destroyed. A host adds
// Descriptor() to its event loop, or calls Receive with a timeout. Not copyable; one thread.
#pragma once

#include <string>

#include "platform/notify/Broadcast.h"

class BroadcastListener {
 public:
  // Binds a socket named after this process; IsOpen() tells whether that worked.
  BroadcastListener();
  ~BroadcastListener();
  BroadcastListener(BroadcastListener const&) = delete;
  BroadcastListener& operator=(BroadcastListener const&) = delete;

  bool IsOpen() const { return m_socket >= 0; }
  // Readable when a message waits; -1 when not open.
  int Descriptor() const { return m_socket; }
  // Waits at most `timeoutMs` milliseconds (0: only looks, -1: no limit) for the next message.
  // False on timeout or when not open; datagrams of the wrong size are skipped.
  bool Receive(BroadcastMessage& message, int timeoutMs);
  // Whether this process posted `message`.
  static bool IsOwnPost(BroadcastMessage const& message);

 private:
  bool Bind();

  int m_socket = -1;
  std::string m_path;
};
