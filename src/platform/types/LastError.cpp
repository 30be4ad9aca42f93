#include "platform/types/LastError.h"

namespace {
thread_local unsigned long lastError = 0;
}

unsigned long GetLastError() { return lastError; }
void SetLastError(unsigned long code) { lastError = code; }
