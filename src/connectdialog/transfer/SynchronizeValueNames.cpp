#include "transfer/SynchronizeValueNames.h"

#include <string>

#include "platform/msgtable/MessageFormatter.h"

VString SynchronizeValueNames::Task(int task, char const* suffix) { return Format("Task[%1!d!]", task, 0, suffix); }

VString SynchronizeValueNames::Source(int task, int source, char const* suffix) {
  return Format("Task[%1!d!].Source[%2!d!]", task, source, suffix);
}

VString SynchronizeValueNames::Target(int task, int target, char const* suffix) {
  return Format("Task[%1!d!].Target[%2!d!]", task, target, suffix);
}

VString SynchronizeValueNames::Format(char const* pattern, int first, int second, char const* suffix) {
  // Number slots hold the 32-bit value as the formatter's %d reads it back.
  unsigned long const slots[] = {static_cast<unsigned int>(first), static_cast<unsigned int>(second)};
  unsigned char const kinds[] = {kInsertNumber, kInsertNumber};
  std::string name;
  MessageFormatter(pattern, MessageInserts{slots, kinds, 2}, 0).Format(name);
  return VString(name + suffix);
}
