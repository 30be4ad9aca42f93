#include "platform/debug/DebugTrace.h"

#include <cstdio>
#include <cstdlib>

namespace {

DebugTraceSink& InstalledSink() {
  static DebugTraceSink sink;
  return sink;
}

}  // namespace

void DebugTrace(std::string const& text) {
  if (InstalledSink()) {
    InstalledSink()(text);
    return;
  }
  char const* enabled = std::getenv("BRIMVALE_DEBUG_TRACE");
  if (enabled && *enabled) std::fputs(text.c_str(), stderr);
}

void SetDebugTraceSink(DebugTraceSink sink) { InstalledSink() = std::move(sink); }
