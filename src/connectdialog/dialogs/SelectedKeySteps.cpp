#include "dialogs/SelectedKeySteps.h"

#include "dialogs/SelectedKeyDialog.h"
#include "platform/ui/HeadlessDialogPresenter.h"

namespace {

using Dialog = SelectedKeyDialog;
using Action = bool (*)(Dialog& dialog, DialogStep const& step, std::string& error);

// The list control the dialog shows now; 0, with `error`, when its category has none.
int ShownList(Dialog const& dialog, std::string& error) {
  for (VPageControl const& control : dialog.Controls())
    if (control.kind == VControlKind::Choice && control.id != Dialog::kCategoryList && control.visible) return control.id;
  error = std::string("the category \"") + Dialog::CategoryName(dialog.CurrentCategory()) + "\" has no function list";
  return 0;
}

bool PickFunction(Dialog& dialog, DialogStep const& step, std::string& error) {
  std::string name;
  int list = 0;
  if (!step.Text("name", name, error) || !(list = ShownList(dialog, error))) return false;
  for (std::string const& entry : dialog.FindControl(list)->choices)
    if (entry == name || entry.starts_with(name + " (")) return dialog.SetControl(list, entry, error);
  error = "no function \"" + name + "\" in the list of \"" + Dialog::CategoryName(dialog.CurrentCategory()) + "\"";
  return false;
}

template <int control, char const* argument>
bool SetText(Dialog& dialog, DialogStep const& step, std::string& error) {
  std::string value;
  return step.Text(argument, value, error) && dialog.SetControl(control, value, error);
}

template <int button>
bool Press(Dialog& dialog, DialogStep const&, std::string& error) {
  return dialog.Command(button, error);
}

HeadlessDialogPresenter::StepHandler OnDialog(Action action) { return HeadlessDialogPresenter::For(action); }

constexpr char kName[] = "name";
constexpr char kValue[] = "value";
constexpr char kPath[] = "path";

}  // namespace

void SelectedKeySteps::AddTo(HeadlessDialogPresenter& presenter) {
  presenter.AddStep("category", OnDialog(SetText<Dialog::kCategoryList, kName>));
  presenter.AddStep("function", OnDialog(PickFunction));
  presenter.AddStep("string", OnDialog(SetText<Dialog::kSendStringEdit, kValue>));
  presenter.AddStep("script", OnDialog(SetText<Dialog::kScriptPathEdit, kPath>));
  presenter.AddStep("default", OnDialog(Press<Dialog::kDefaultButton>));
  presenter.AddStep("browse", OnDialog(Press<Dialog::kBrowseButton>));
}
