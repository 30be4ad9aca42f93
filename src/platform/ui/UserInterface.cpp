#include "platform/ui/UserInterface.h"

#include "platform/service/InstalledService.h"
#include "platform/ui/HeadlessUserInterface.h"

// Without a display nobody answers: message boxes take their default button.
using InstalledUserInterface = InstalledService<UserInterface, HeadlessUserInterface>;

UserInterface& GetUserInterface() { return InstalledUserInterface::Get(); }

void SetUserInterface(UserInterface* ui) { InstalledUserInterface::Install(ui); }
