#include "dialogs/NewSessionWizardSteps.h"

#include "dialogs/NewSessionWizard.h"
#include "platform/ui/HeadlessDialogPresenter.h"

namespace {

template <int id>
bool Press(NewSessionWizard& wizard, DialogStep const&, std::string& error) {
  return wizard.Command(id, error);
}

bool Close(NewSessionWizard& wizard, DialogStep const&, std::string&) {
  wizard.OnCancel();
  return true;
}

bool Choose(NewSessionWizard& wizard, DialogStep const& step, std::string& error) {
  int id = 0;
  std::string item;
  if (!step.Integer("control", id, error) || !step.Text("item", item, error)) return false;
  VPropertyTreePage const* page = wizard.CurrentPage();
  VPageControl const* control = page ? page->Control(id) : nullptr;
  if (control && control->kind != VControlKind::Choice) {
    error = "control " + std::to_string(id) + " is not a list";
    return false;
  }
  return wizard.SetControl(id, item, error);
}

}  // namespace

void NewSessionWizardSteps::AddTo(HeadlessDialogPresenter& presenter) {
  using Presenter = HeadlessDialogPresenter;
  presenter.AddStep("next", Presenter::For<NewSessionWizard>(Press<NewSessionWizard::kNext>));
  presenter.AddStep("back", Presenter::For<NewSessionWizard>(Press<NewSessionWizard::kBack>));
  presenter.AddStep("finish", Presenter::For<NewSessionWizard>(Press<NewSessionWizard::kFinish>));
  presenter.AddStep("close", Presenter::For<NewSessionWizard>(Close));
  presenter.AddStep("choose", Presenter::For<NewSessionWizard>(Choose));
}
