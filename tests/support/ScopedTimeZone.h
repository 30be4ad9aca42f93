// Sets the process's local time zone (TZ, a POSIX zone string such as "UTC0" or "JST-9", which
// needs no zone database) for one scope and restores the previous zone after.
#pragma once

#include <time.h>

#include <optional>

#include "support/ScopedEnv.h"

class ScopedTimeZone {
 public:
  explicit ScopedTimeZone(char const* zone) {
    m_env.emplace("TZ", zone);
    tzset();
  }
  ~ScopedTimeZone() {
    m_env.reset();
    tzset();
  }
  ScopedTimeZone(ScopedTimeZone const&) = delete;
  ScopedTimeZone& operator=(ScopedTimeZone const&) = delete;

 private:
  std::optional<ScopedEnv> m_env;
};
