#include "database/SiblingLaunch.h"

#include <string>

#include "database/GlobalConfigInstance.h"
#include "library/ProductInfo.h"
#include "platform/shell/ArgumentString.h"
#include "platform/shell/ExecutableFolder.h"
#include "platform/shell/Shell.h"
#include "platform/types/UserInterfaceCodes.h"
#include "platform/ui/UserInterface.h"

namespace {

constexpr char const* kLaunchFailed =
    "The application could not be started.\r\n\r\nCheck its program path in the global options.\r\n";

void Launch(VString const& program, char const* parameters) {
  bool started = false;
  if (!program.IsEmpty())
    started = GetShell().Start(std::string(program.c_str()), ArgumentString::Split(parameters ? parameters : ""));
  if (!started) GetUserInterface().MessageBox(kLaunchFailed, "", MB_OK | MB_ICONWARNING);
}

VString const& TerminalAppProgram(GlobalConfig const& config) {
  return config.haloKorvoExePath.IsEmpty() ? config.korvoExePath : config.haloKorvoExePath;
}

}  // namespace

bool CanLaunchTerminalApp() { return IsHaloKorvo_Korvo_Installed(); }

bool CanLaunchFileTransferApp() { return IsHaloFyx_Installed(); }

void LaunchTerminalApp(char const* parameters) {
  GlobalConfig* config = nullptr;
  GetGlobalConfig(config);
  Launch(TerminalAppProgram(*config), parameters);
}

void LaunchFileTransferApp(char const* parameters) {
  GlobalConfig* config = nullptr;
  GetGlobalConfig(config);
  Launch(config->haloFyxExePath, parameters);
}

std::string RunningHostProgram() {
  GlobalConfig* config = nullptr;
  GetGlobalConfig(config);
  VString const& own = GetCurrentAppProductID() == kProductHaloFyx ? config->haloFyxExePath : TerminalAppProgram(*config);
  return own.IsEmpty() ? ExecutablePath() : std::string(own.c_str());
}
