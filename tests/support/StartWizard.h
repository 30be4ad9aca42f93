// Builds a New Session Wizard's pages as its DoModal does, with no presenter drawing it, then
// opens it for the test to drive as a front end would.
#pragma once

#include "dialogs/NewSessionWizard.h"
#include "platform/types/UserInterfaceCodes.h"
#include "platform/ui/DialogPresenter.h"

inline void StartWizard(NewSessionWizard& wizard) {
  struct Idle : DialogPresenter {
    int RunModal(DialogModel&) override { return IDCANCEL; }
  } idle;
  SetDialogPresenter(&idle);
  wizard.DoModal();
  SetDialogPresenter(nullptr);
  wizard.Open();
}
