#include "database/GlobalConfigChangeListener.h"

#include <chrono>

#include "database/GlobalConfig.h"
#include "platform/notify/Broadcast.h"

bool GlobalConfigChangeListener::Wait(int timeoutMs) {
  using Clock = std::chrono::steady_clock;
  auto const deadline = Clock::now() + std::chrono::milliseconds(timeoutMs);
  unsigned int const change = GlobalConfig::GetGlobalConfigChangeMessage();
  BroadcastMessage message;
  for (;;) {
    auto const left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
    if (!m_listener.Receive(message, left > 0 ? static_cast<int>(left) : 0)) return false;
    if (message.message == change && !BroadcastListener::IsOwnPost(message)) return true;
  }
}

int AnnounceGlobalConfigChange() { return PostBroadcast(GlobalConfig::GetGlobalConfigChangeMessage(), 0, 0); }
