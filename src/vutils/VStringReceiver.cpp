#include "VStringReceiver.h"

#include <cstring>

void VStringReceiver::Assign(char const* text, int length, int /*reserved*/) {
  if (text == nullptr) {
    m_text.Empty();
    return;
  }
  size_t const size = length < 0 ? std::strlen(text) : static_cast<size_t>(length);
  m_text = VString(text, size);
}
