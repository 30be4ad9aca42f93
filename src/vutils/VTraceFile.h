// The trace file of protected-string failures: "<executable name without extension>.trace.log"
// in $TMPDIR (or /tmp). The first line a process writes there replaces any older file; later
// lines are appended (a process whose TMPDIR changes starts the new file afresh too). Other processes may read and write it meanwhile. Write failures are ignored:
// tracing never disturbs the caller.
#pragma once

#include <string>

class VTraceFile {
 public:
  // The file this process traces to, as the environment names it now.
  static std::string Path();
  // Appends `text` and a line feed.
  static void WriteLine(char const* text);
};
