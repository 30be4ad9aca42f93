// The calling thread's last platform error code, as the registry, file and buffer calls set it.
#pragma once

unsigned long GetLastError();
void SetLastError(unsigned long code);
