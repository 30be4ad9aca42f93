#include "dialogs/DefaultTelnetApplication.h"

#include <cctype>
#include <string>

#include "database/SiblingLaunch.h"
#include "library/LibraryState.h"
#include "platform/filetypes/XdgLocations.h"
#include "platform/shell/UrlSchemeHandler.h"
#include "platform/types/UserInterfaceCodes.h"
#include "platform/ui/UserInterface.h"

bool DefaultTelnetApplication::Make() {
  std::string const name = GetApplicationName().Str();
  std::string id;
  for (char const c : name) id += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  UrlSchemeHandler handler(XdgLocations::FromEnvironment());
  bool const made = handler.Register("telnet", id + "-telnet.desktop", name, RunningHostProgram(), {});
  std::string const text = made ? name + " now opens the telnet: links of this desktop."
                                : name + " could not be made the default telnet application:\r\n\r\n" + handler.Report();
  GetUserInterface().MessageBox(text, "", MB_OK | (made ? MB_ICONINFORMATION : MB_ICONEXCLAMATION));
  return made;
}
