#include "platform/protect/SecureWipe.h"

#include <sodium.h>

void SecureWipe(void* data, size_t size) {
  if (data && size > 0) sodium_memzero(data, size);
}
