// How running hosts tell one another that the global options changed: after saving them, a
// host calls AnnounceGlobalConfigChange; every other host that holds a listener hears it
// (through its event loop on Descriptor(), or Wait) and reloads with ReloadGlobalConfig.
// The announcement carries GlobalConfig::GetGlobalConfigChangeMessage().
#pragma once

#include "platform/notify/BroadcastListener.h"

class GlobalConfigChangeListener {
 public:
  GlobalConfigChangeListener() = default;

  bool IsOpen() const { return m_listener.IsOpen(); }
  int Descriptor() const { return m_listener.Descriptor(); }
  // True when a change announced by another process arrived within `timeoutMs` milliseconds
  // (0 or less: only looks). Other broadcasts and this process's own announcements are passed over.
  bool Wait(int timeoutMs);

 private:
  BroadcastListener m_listener;
};

// Posts the change message to every listening host of the user; returns how many heard it.
int AnnounceGlobalConfigChange();
