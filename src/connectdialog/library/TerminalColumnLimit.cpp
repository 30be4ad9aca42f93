#include "library/TerminalColumnLimit.h"

namespace {

constexpr unsigned long kBuiltInLimit = 132;
constinit TerminalColumnLimitSource installedSource = nullptr;

}  // namespace

void SetTerminalColumnLimitSource(TerminalColumnLimitSource source) { installedSource = source; }

unsigned long TerminalColumnLimit() { return installedSource ? installedSource() : kBuiltInLimit; }
