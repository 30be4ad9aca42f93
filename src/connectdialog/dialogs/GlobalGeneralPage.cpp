#include "dialogs/GlobalGeneralPage.h"

#include <filesystem>

#include "database/ConfigFolderValidator.h"
#include "database/GlobalConfig.h"
#include "dialogs/GlobalPageControls.h"
#include "library/LibraryState.h"
#include "library/ProductInfo.h"
#include "platform/shell/ExecutableFolder.h"
#include "platform/ui/UserInterface.h"

GlobalGeneralPage::GlobalGeneralPage(GlobalConfig& options)
    : VPropertyTreePage(10000, "General", GlobalPageControls::General()), m_options(options) {
  SetTitle("General\nGeneral");
}

bool GlobalGeneralPage::OnSetActive() {
  if (!VPropertyTreePage::OnSetActive()) return false;
  VPageControl* folder = Control(GlobalPageControls::kConfigFolder);
  folder->value = folder->shown = m_options.configPath.Str();
  return true;
}

bool GlobalGeneralPage::TrayLauncherMissing() {
  VPageControl const* tray = Control(GlobalPageControls::kMinimizeToTray);
  if (GetCurrentAppProductID() == kProductHaloFyx || tray->value != "true" || tray->shown == "true") return false;
  std::error_code ignored;
  return !std::filesystem::is_regular_file(std::filesystem::path(ExecutableFolder()) / kTrayLauncher, ignored);
}

bool GlobalGeneralPage::OnKillActive() {
  std::string message;
  if (!Control(GlobalPageControls::kMruCount)->Validate(message)) return Refuse(GlobalPageControls::kMruCount, message);
  VPageControl* folder = Control(GlobalPageControls::kConfigFolder);
  bool const moved = folder->value != folder->shown;
  if (moved && ConfigFolderValidator::Check(VString(folder->value)) != ConfigFolderValidator::Verdict::Accepted)
    return false;
  if (TrayLauncherMissing())
    return Refuse(GlobalPageControls::kMinimizeToTray, "The " + GetApplicationName().Str() +
                  " Traymind is not currently installed.\r\n\r\nThis component will need to be installed in order "
                  "for this option to be selected.");
  if (!VPropertyTreePage::OnKillActive()) return false;
  if (!moved) return true;
  GetUserInterface().MessageBox("The change to the Configuration Folder will take effect the next time you start " +
                                    GetApplicationName().Str() + ".",
                                "", MB_OK | MB_ICONWARNING);
  m_options.configPath = VString(folder->value);
  folder->shown = folder->value;
  return true;
}
