#include "VPropertyTreeSteps.h"

#include "VKeyChord.h"
#include "VPageDialog.h"
#include "VPropertyTreeDialog.h"
#include "VPropertyTreePage.h"
#include "platform/ui/HeadlessDialogPresenter.h"

namespace {

using Outcome = HeadlessDialogPresenter::Outcome;
using TreeAction = Outcome (*)(VPropertyTreeDialog& dialog, DialogStep const& step, std::string& error);

// The step's page item; 0, with `error`, for a page that is not in the tree or not visible.
VTreeItem StepItem(VPropertyTreeDialog const& dialog, DialogStep const& step, std::string& error) {
  std::string label;
  if (!step.Text("page", label, error)) return 0;
  VTreeItem const item = dialog.FindItem(label);
  if (!item) {
    error = "no page \"" + label + "\" in the tree";
  } else if (!dialog.Tree().IsVisible(item)) {
    error = "page \"" + label + "\" is inside a collapsed page";
    return 0;
  }
  return item;
}

Outcome Select(VPropertyTreeDialog& dialog, DialogStep const& step, std::string& error) {
  VTreeItem const item = StepItem(dialog, step, error);
  if (!item) return Outcome::Failed;
  dialog.SelectItem(item);
  return Outcome::Done;
}

Outcome Expand(VPropertyTreeDialog& dialog, DialogStep const& step, std::string& error, bool expanded) {
  VTreeItem const item = StepItem(dialog, step, error);
  if (!item) return Outcome::Failed;
  dialog.ExpandItem(item, expanded);
  return Outcome::Done;
}

Outcome Key(VPropertyTreeDialog& dialog, DialogStep const& step, std::string& error) {
  std::string keys;
  if (!step.Text("keys", keys, error)) return Outcome::Failed;
  VKeyChord chord;
  if (!VKeyChord::Parse(keys, chord)) {
    error = "unknown keys \"" + keys + "\"";
    return Outcome::Failed;
  }
  dialog.OnKey(chord.virtualKey, chord.ctrl, chord.shift, chord.alt);
  return Outcome::Done;
}

// Picks the step's item in a list of `page`, which `dialog` shows.
Outcome ChooseOn(VPropertyTreePage const* page, DialogModel& dialog, DialogStep const& step, std::string& error) {
  int id = 0;
  std::string item;
  if (!step.Integer("control", id, error) || !step.Text("item", item, error)) return Outcome::Failed;
  VPageControl const* control = page ? page->Control(id) : nullptr;
  if (control && control->kind != VControlKind::Choice) {
    error = "control " + std::to_string(id) + " is not a list";
    return Outcome::Failed;
  }
  return dialog.SetControl(id, item, error) ? Outcome::Done : Outcome::Failed;
}

Outcome Choose(VPropertyTreeDialog& dialog, DialogStep const& step, std::string& error) {
  return ChooseOn(dialog.CurrentPage(), dialog, step, error);
}

HeadlessDialogPresenter::StepHandler OnTree(TreeAction action) {
  return [action](DialogModel& model, DialogStep const& step, std::string& error) {
    auto* dialog = dynamic_cast<VPropertyTreeDialog*>(&model);
    return dialog ? action(*dialog, step, error) : Outcome::NotMine;
  };
}

}  // namespace

void VPropertyTreeSteps::AddTo(HeadlessDialogPresenter& presenter) {
  presenter.AddStep("select", OnTree(Select));
  presenter.AddStep("expand", OnTree([](VPropertyTreeDialog& d, DialogStep const& s, std::string& e) { return Expand(d, s, e, true); }));
  presenter.AddStep("collapse", OnTree([](VPropertyTreeDialog& d, DialogStep const& s, std::string& e) { return Expand(d, s, e, false); }));
  presenter.AddStep("key", OnTree(Key));
  presenter.AddStep("choose", OnTree(Choose));
  presenter.AddStep("choose", [](DialogModel& model, DialogStep const& step, std::string& error) {
    auto* dialog = dynamic_cast<VPageDialog*>(&model);
    return dialog ? ChooseOn(&dialog->Page(), *dialog, step, error) : Outcome::NotMine;
  });
}
