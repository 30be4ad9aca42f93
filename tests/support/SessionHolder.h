// A session record the test holds one reference to: released, never deleted, when it goes.
#pragma once

#include <memory>

#include "session/SessionConfig.h"

struct SessionRelease {
  void operator()(ISessionConfig* session) const { session->Release(); }
};
using SessionHolder = std::unique_ptr<SessionConfig, SessionRelease>;
