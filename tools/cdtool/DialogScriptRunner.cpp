#include "DialogScriptRunner.h"

#include <fstream>
#include <sstream>

#include "CommandOutput.h"
#include "dialogs/NewSessionWizardSteps.h"
#include "platform/ui/DialogModel.h"
#include "platform/ui/DialogPresenter.h"
#include "platform/ui/UserInterface.h"

namespace {

using Json = nlohmann::ordered_json;

std::string Dump(Json const& value) { return value.dump(-1, ' ', false, Json::error_handler_t::replace); }

// A value on one line: texts bare at the top, objects as NAME=VALUE pairs.
std::string Plain(Json const& value) {
  if (value.is_string()) return value.get<std::string>();
  if (!value.is_object()) return Dump(value);
  std::string line;
  for (auto const& [key, member] : value.items()) line += (line.empty() ? "" : " ") + key + "=" + Dump(member);
  return line;
}

std::string PlainText(Json const& output) {
  std::string text;
  for (auto const& [key, value] : output.items()) {
    if (!value.is_array()) {
      text += key + ": " + Plain(value) + "\n";
      continue;
    }
    text += key + ":\n";
    for (Json const& element : value) text += "  " + Plain(element) + "\n";
  }
  return text;
}

}  // namespace

DialogScriptRunner::DialogScriptRunner(bool json) : m_json(json) { NewSessionWizardSteps::AddTo(m_presenter); }

int DialogScriptRunner::Load(std::string const& path) {
  std::ifstream file(path, std::ios::binary);
  std::ostringstream text;
  if (!file || !(text << file.rdbuf()) || file.bad())
    return Fail({"cannot read the script \"" + path + "\"", -1});
  DialogScript script;
  DialogScriptReader::Error error;
  if (!DialogScriptReader::Read(text.str(), script, error)) return Fail(error);
  if (!m_presenter.Play(script, m_ui)) return Fail({m_presenter.GetFailure()->error, m_presenter.GetFailure()->step});
  return 0;
}

int DialogScriptRunner::Run(DialogModel& dialog, std::function<void(Json&)> const& describe) {
  SetDialogPresenter(&m_presenter);
  SetUserInterface(&m_ui);
  int const endCode = dialog.DoModal();
  SetDialogPresenter(nullptr);
  SetUserInterface(nullptr);
  if (auto const& failure = m_presenter.Finish()) return Fail({failure->error, failure->step});
  Json output;
  output["endCode"] = endCode;
  output["messages"] = Json::array();
  for (ShownDialog const& shown : m_ui.Shown())
    if (shown.kind == ShownDialog::Kind::MessageBox) output["messages"].push_back({{"text", shown.text}, {"type", shown.type}});
  describe(output);
  return Print(output);
}

int DialogScriptRunner::Fail(DialogScriptReader::Error const& error) const {
  std::string const where = error.step >= 0 ? "step " + std::to_string(error.step) + ": " : "";
  if (m_json) {
    Json report{{"error", error.text}};
    if (error.step >= 0) report["step"] = error.step;
    CommandOutput::Print(Dump(report) + "\n");
  }
  return CommandOutput::Refuse(where + error.text);
}

int DialogScriptRunner::Print(Json const& output) const {
  return CommandOutput::Print(m_json ? Dump(output) + "\n" : PlainText(output));
}
