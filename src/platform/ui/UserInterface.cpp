#include "platform/ui/UserInterface.h"

#include "platform/ui/HeadlessUserInterface.h"

namespace {

UserInterface* g_installed = nullptr;

// Without a display nobody answers: message boxes take their default button.
UserInterface& DefaultUserInterface() {
  static HeadlessUserInterface headless;
  return headless;
}

}  // namespace

UserInterface& GetUserInterface() { return g_installed ? *g_installed : DefaultUserInterface(); }

void SetUserInterface(UserInterface* ui) { g_installed = ui; }
