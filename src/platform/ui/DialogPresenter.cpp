#include "platform/ui/DialogPresenter.h"

#include "platform/ui/HeadlessDialogPresenter.h"

namespace {

DialogPresenter* g_installed = nullptr;

DialogPresenter& DefaultPresenter() {
  static HeadlessDialogPresenter headless;
  return headless;
}

}  // namespace

DialogPresenter& GetDialogPresenter() { return g_installed ? *g_installed : DefaultPresenter(); }

void SetDialogPresenter(DialogPresenter* presenter) { g_installed = presenter; }
