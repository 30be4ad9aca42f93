// A presenter without a display: it plays a script of steps into the dialogs it runs, one
// shared queue for a dialog and the dialogs it opens in turn, and feeds the script's answers
// and texts to a headless user interface, so one script answers everything a dialog shows.
//
// Each step name is handled by the handlers added for it, tried in order until one takes the
// dialog; "ok", "cancel", "command" and "set" are built in for every dialog model. A step that
// cannot run stops the play: its dialog and every dialog around it are cancelled and Failure
// says which step it was and why. A dialog left open when the steps run out is cancelled.
#pragma once

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "platform/ui/DialogPresenter.h"
#include "platform/ui/DialogScript.h"

class HeadlessUserInterface;

class HeadlessDialogPresenter : public DialogPresenter {
 public:
  enum class Outcome { Done, Failed, NotMine };
  // Runs `step` on `dialog`; NotMine when the dialog is not of the kind the handler drives.
  using StepHandler = std::function<Outcome(DialogModel& dialog, DialogStep const& step, std::string& error)>;

  struct Failure {
    std::string error;
    int step = 0;
  };

  // A handler for the dialogs of class `Dialog` from an action that succeeds or fails: other
  // dialogs are not its own.
  template <typename Dialog>
  static StepHandler For(bool (*action)(Dialog& dialog, DialogStep const& step, std::string& error)) {
    return [action](DialogModel& model, DialogStep const& step, std::string& error) {
      auto* dialog = dynamic_cast<Dialog*>(&model);
      if (!dialog) return Outcome::NotMine;
      return action(*dialog, step, error) ? Outcome::Done : Outcome::Failed;
    };
  }

  HeadlessDialogPresenter();

  void AddStep(std::string const& name, StepHandler handler);
  bool HasStep(std::string const& name) const { return m_handlers.count(name) != 0; }

  // Takes the script's steps and queues its answers for message boxes and its texts for
  // choosers and prompts on `ui`. False, with Failure
  // set and nothing queued, when a step has a name no handler was added for.
  bool Play(DialogScript const& script, HeadlessUserInterface& ui);

  int RunModal(DialogModel& dialog) override;

  std::optional<Failure> const& GetFailure() const { return m_failure; }
  // Called when the outermost dialog has ended: a step still waiting could not run, since its
  // dialog was gone, and becomes the failure. Returns the failure, if any.
  std::optional<Failure> const& Finish();
  // Steps not played yet.
  size_t PendingSteps() const { return m_steps.size() - m_next; }

 private:
  void RunStep(DialogModel& dialog, DialogStep const& step);
  void Fail(DialogStep const& step, std::string error) { m_failure = Failure{std::move(error), step.Index()}; }

  std::map<std::string, std::vector<StepHandler>> m_handlers;
  std::vector<DialogStep> m_steps;
  size_t m_next = 0;
  std::optional<Failure> m_failure;
};
