// The dialog verbs play a JSON script of steps and answers and print what the dialog showed:
// the property-tree demonstration, the Connect dialog, the New Session Wizard, Global Options
// and Session Options. Each case is a golden transcript that holds its commands, with what the
// tool reads back from the store afterwards; the rules themselves are checked on the dialogs' models.
#include "support/CdtoolTranscript.h"

namespace {

class CdtoolDialogTest : public CdtoolTranscriptTest, public testing::WithParamInterface<char const*> {
 protected:
  // A command may end in "--script JSON": the JSON goes to the file the tool plays, and the
  // transcript shows it as given.
  void ExpectScriptedFile(std::string const& golden) const {
    ExpectTranscriptFile(golden, [this](std::string const& command) {
      size_t const at = command.find(" --script {");
      return at == std::string::npos ? Run(command) : RunScript(command.substr(0, at), command.substr(at + 10));
    });
  }
};

TEST_P(CdtoolDialogTest, PlaysTheScriptsOfItsTranscript) { ExpectScriptedFile(GetParam() + std::string(".txt")); }

INSTANTIATE_TEST_SUITE_P(Verbs, CdtoolDialogTest,
                         testing::Values("property_tree_demo", "dialog_connect_paste", "dialog_connect_browse",
                                         "dialog_connect_drop", "dialog_wizard", "dialog_global_options",
                                         "dialog_session_options"),
                         [](testing::TestParamInfo<char const*> const& info) { return info.param; });

}  // namespace
