// Diagnostic lines for developers (the platform's debug output): never shown to users. They go
// to standard error when BRIMVALE_DEBUG_TRACE is set to a non-empty value, or to a sink that a
// host or test installs. Writing never fails visibly.
#pragma once

class DebugTrace {
 public:
  using Sink = void (*)(char const* text);

  // Writes `text` as given (callers end their lines themselves).
  static void Write(char const* text);
  // Null restores the default.
  static void SetSink(Sink sink);
};
