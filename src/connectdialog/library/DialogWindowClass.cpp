#include "library/DialogWindowClass.h"

namespace {
bool registered = false;
HICON classIcon = nullptr;
}  // namespace

void DialogWindowClass::Register(HICON icon) {
  if (registered) return;
  classIcon = icon;
  registered = true;
}

bool DialogWindowClass::IsRegistered() { return registered; }

HICON DialogWindowClass::Icon() { return classIcon; }
