#include "dialogs/ConnectDialogSteps.h"

#include "dialogs/ConnectDialog.h"
#include "platform/ui/HeadlessDialogPresenter.h"

namespace {

using Action = bool (*)(ConnectDialog& dialog, DialogStep const& step, std::string& error);
using PathAction = bool (ConnectDialog::*)(std::string const& path, std::string& error);

template <PathAction action, char const* argument>
bool OnText(ConnectDialog& dialog, DialogStep const& step, std::string& error) {
  std::string text;
  return step.Text(argument, text, error) && (dialog.*action)(text, error);
}

bool Filter(ConnectDialog& dialog, DialogStep const& step, std::string& error) {
  std::string text;
  if (!step.Text("text", text, error)) return false;
  dialog.SetFilter(text);
  return true;
}

// A whole drag: picked up at the source, carried over the target and dropped in its zone.
bool Drop(ConnectDialog& dialog, DialogStep const& step, std::string& error) {
  std::string source, target, zoneText, keys = "none";
  ConnectTreeDrag::Zone zone = ConnectTreeDrag::Zone::On;
  if (!step.Text("source", source, error) || !step.Text("target", target, error)) return false;
  if (step.Arguments().contains("zone") && (!step.Text("zone", zoneText, error) || !ConnectTreeDrag::ParseZone(zoneText, zone))) {
    error = "zone is \"before\", \"on\" or \"after\", not \"" + zoneText + "\"";
    return false;
  }
  if (step.Arguments().contains("keys") && !step.Text("keys", keys, error)) return false;
  return dialog.BeginDrag(source, error) && dialog.Drop(target, zone, keys, error);
}

bool CancelEdit(ConnectDialog& dialog, DialogStep const&, std::string& error) { return dialog.CancelLabelEdit(error); }

bool Close(ConnectDialog& dialog, DialogStep const&, std::string&) {
  dialog.OnCancel();
  return true;
}

HeadlessDialogPresenter::StepHandler OnDialog(Action action) { return HeadlessDialogPresenter::For(action); }

constexpr char kPath[] = "path";
constexpr char kText[] = "text";
constexpr char kKeys[] = "keys";

}  // namespace

void ConnectDialogSteps::AddTo(HeadlessDialogPresenter& presenter) {
  presenter.AddStep("select", OnDialog(OnText<&ConnectDialog::Select, kPath>));
  presenter.AddStep("expand", OnDialog(OnText<&ConnectDialog::Expand, kPath>));
  presenter.AddStep("collapse", OnDialog(OnText<&ConnectDialog::Collapse, kPath>));
  presenter.AddStep("doubleClick", OnDialog(OnText<&ConnectDialog::DoubleClick, kPath>));
  presenter.AddStep("endLabelEdit", OnDialog(OnText<&ConnectDialog::EndLabelEdit, kText>));
  presenter.AddStep("cancelLabelEdit", OnDialog(CancelEdit));
  presenter.AddStep("filter", OnDialog(Filter));
  presenter.AddStep("drop", OnDialog(Drop));
  presenter.AddStep("key", OnDialog(OnText<&ConnectDialog::Key, kKeys>));
  presenter.AddStep("close", OnDialog(Close));
}
