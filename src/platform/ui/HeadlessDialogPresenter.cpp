#include "platform/ui/HeadlessDialogPresenter.h"

#include "platform/ui/DialogModel.h"
#include "platform/ui/HeadlessUserInterface.h"

namespace {

using Outcome = HeadlessDialogPresenter::Outcome;

Outcome Result(bool done) { return done ? Outcome::Done : Outcome::Failed; }

}  // namespace

HeadlessDialogPresenter::HeadlessDialogPresenter() {
  AddStep("ok", [](DialogModel& dialog, DialogStep const&, std::string&) {
    dialog.OnOK();
    return Outcome::Done;
  });
  AddStep("cancel", [](DialogModel& dialog, DialogStep const&, std::string&) {
    dialog.OnCancel();
    return Outcome::Done;
  });
  AddStep("command", [](DialogModel& dialog, DialogStep const& step, std::string& error) {
    int id = 0;
    return Result(step.Integer("id", id, error) && dialog.Command(id, error));
  });
  AddStep("set", [](DialogModel& dialog, DialogStep const& step, std::string& error) {
    int id = 0;
    std::string value;
    return Result(step.Integer("control", id, error) && step.Text("value", value, error) &&
                  dialog.SetControl(id, value, error));
  });
}

void HeadlessDialogPresenter::AddStep(std::string const& name, StepHandler handler) {
  m_handlers[name].push_back(std::move(handler));
}

bool HeadlessDialogPresenter::Play(DialogScript const& script, HeadlessUserInterface& ui) {
  m_failure.reset();
  for (DialogStep const& step : script.steps) {
    if (!HasStep(step.Name())) {
      Fail(step, "unknown step \"" + step.Name() + "\"");
      m_steps.clear();
      m_next = 0;
      return false;
    }
  }
  m_steps = script.steps;
  m_next = 0;
  ui.SeparateTexts();
  for (int button : script.answers) ui.Script(button);
  for (std::string const& text : script.texts) ui.ScriptText(text);
  return true;
}

int HeadlessDialogPresenter::RunModal(DialogModel& dialog) {
  dialog.Open();
  while (!dialog.IsEnded() && !m_failure && m_next < m_steps.size()) RunStep(dialog, m_steps[m_next++]);
  if (!dialog.IsEnded()) dialog.OnCancel();
  // A dialog whose cancel is refused still closes when nobody is left to answer it.
  if (!dialog.IsEnded()) dialog.EndDialog(IDCANCEL);
  return dialog.EndCode();
}

std::optional<HeadlessDialogPresenter::Failure> const& HeadlessDialogPresenter::Finish() {
  if (!m_failure && m_next < m_steps.size()) Fail(m_steps[m_next], "the dialog has already ended");
  m_next = m_steps.size();
  return m_failure;
}

void HeadlessDialogPresenter::RunStep(DialogModel& dialog, DialogStep const& step) {
  std::string error;
  for (StepHandler const& handler : m_handlers[step.Name()]) {
    switch (handler(dialog, step, error)) {
      case Outcome::Done: return;
      case Outcome::Failed: return Fail(step, error);
      case Outcome::NotMine: break;
    }
  }
  Fail(step, "step \"" + step.Name() + "\" does not apply to this dialog");
}
