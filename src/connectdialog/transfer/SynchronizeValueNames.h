// The flat value names of a synchronisation profile, made with the message insert formatter:
// "Task[i]" + suffix, "Task[i].Source[j]" + suffix and "Task[i].Target[j]" + suffix, indices in
// plain decimal from 0.
#pragma once

#include "VString.h"

class SynchronizeValueNames {
 public:
  static VString Task(int task, char const* suffix);
  static VString Source(int task, int source, char const* suffix);
  static VString Target(int task, int target, char const* suffix);

 private:
  static VString Format(char const* pattern, int first, int second, char const* suffix);
};
