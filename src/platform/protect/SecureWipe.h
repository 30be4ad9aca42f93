// Overwrites memory that held a secret, in a way the compiler may not drop as a dead store.
#pragma once

#include <cstddef>

void SecureWipe(void* data, size_t size);
