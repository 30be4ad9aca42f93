#include "platform/debug/DebugTrace.h"

#include <cstdio>
#include <cstdlib>

namespace {

DebugTrace::Sink installedSink = nullptr;

void WriteToStandardError(char const* text) {
  char const* enabled = std::getenv("BRIMVALE_DEBUG_TRACE");
  if (enabled && *enabled) std::fputs(text, stderr);
}

}  // namespace

void DebugTrace::Write(char const* text) { (installedSink ? installedSink : WriteToStandardError)(text ? text : ""); }

void DebugTrace::SetSink(Sink sink) { installedSink = sink; }
