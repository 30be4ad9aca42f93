#include "SSH2GlobalPage.h"

#include "platform/types/UserInterfaceCodes.h"
#include "platform/ui/UserInterface.h"

SSH2GlobalPage::SSH2GlobalPage(std::vector<VPageControl> controls)
    : VPropertyTreePage(11603, "SSH2 Global Options", std::move(controls)),
      m_config(SSH2GlobalConfig::LoadStored()),
      m_options(*m_config) {
  SetTitle("SSH2\nSSH2 Global Options");
  BindOptions(&m_options);
}

void SSH2GlobalPage::OnOK() {
  if (!m_config->SaveStored())
    GetUserInterface().MessageBox("The SSH2 global options could not be stored.", "", MB_OK | MB_ICONEXCLAMATION);
}
