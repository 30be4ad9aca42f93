#include "platform/keyboard/KeyboardLayout.h"

#include "platform/keyboard/XkbKeyboardLayout.h"

namespace {

KeyboardLayout* g_installed = nullptr;

KeyboardLayout& DefaultLayout() {
  static XkbKeyboardLayout xkb;
  return xkb;
}

}  // namespace

KeyboardLayout& GetKeyboardLayout() { return g_installed ? *g_installed : DefaultLayout(); }

void SetKeyboardLayout(KeyboardLayout* layout) { g_installed = layout; }
