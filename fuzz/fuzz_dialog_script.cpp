// Dialog scripts from anywhere: the reader must refuse or accept, never crash, and what it
// accepts must play through the property-tree demonstration to an end code or a failed step.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "DialogScriptReader.h"
#include "VPropertyTreeDemoDialog.h"
#include "VPropertyTreeSteps.h"
#include "platform/ui/DialogPresenter.h"
#include "platform/ui/HeadlessDialogPresenter.h"
#include "platform/ui/HeadlessUserInterface.h"
#include "platform/ui/UserInterface.h"

extern "C" int LLVMFuzzerTestOneInput(uint8_t const* data, size_t size) {
  DialogScript script;
  DialogScriptReader::Error error;
  if (!DialogScriptReader::Read(std::string_view(reinterpret_cast<char const*>(data), size), script, error)) {
    if (error.text.empty() || error.step >= static_cast<int>(size)) std::abort();
    return 0;
  }
  HeadlessDialogPresenter presenter;
  HeadlessUserInterface ui;
  VPropertyTreeSteps::AddTo(presenter);
  if (!presenter.Play(script, ui)) return 0;
  SetDialogPresenter(&presenter);
  SetUserInterface(&ui);
  VPropertyTreeDemoSettings settings;
  VPropertyTreeDemoDialog dialog(settings);
  int const code = dialog.DoModal();
  presenter.Finish();
  SetDialogPresenter(nullptr);
  SetUserInterface(nullptr);
  VPropertyTreeDemoDialog::DeleteStateMap();
  if (!dialog.IsEnded() || (code != 1 && code != 2)) std::abort();
  return 0;
}
