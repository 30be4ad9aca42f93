// The dialog verbs play a JSON script of steps and answers and print what the dialog showed:
// the property-tree demonstration, the Connect dialog, the New Session Wizard, Global Options
// and Session Options. Each test is a golden transcript, with what the tool reads back from the
// store afterwards; the rules themselves are checked on the dialogs' models.
#include <filesystem>

#include "support/CdtoolTranscript.h"

namespace {

class CdtoolDialogTest : public CdtoolTranscriptTest {
 protected:
  // A command may end in "--script JSON": the JSON goes to the file the tool plays, and the
  // transcript shows it where it was given.
  void ExpectScripted(std::string const& golden, std::vector<std::string> const& commands) const {
    std::string text = Transcript(commands, [this](std::string const& command) {
      size_t const at = command.find(" --script {");
      return at == std::string::npos ? Run(command) : RunScript(command.substr(0, at), command.substr(at + 10));
    });
    // The tool's own folder holds its default transfer folders.
    std::string const tool = std::filesystem::path(CDTOOL_PATH).parent_path();
    for (auto const& [path, name] : {std::pair{m_root.Path(), "<root>"}, {tool, "<executable folder>"}})
      for (size_t at = 0; (at = text.find(path, at)) != std::string::npos;) text.replace(at, path.size(), name);
    ExpectGolden("cdtool/" + golden, text);
  }
};

// The last run answers IDOK, then IDCANCEL; the others are refused with the step that failed.
TEST_F(CdtoolDialogTest, TheDemoPlaysStepsAndAnswersAndReportsWhatCannotRun) {
  std::vector<std::string> commands;
  for (char const* script : {
           R"({"steps":[{"do":"ok"},{"do":"select","page":"Nope"}]})", R"({"steps":[{"do":"select","page":"Nope"}]})",
           R"({"steps":[{"do":"collapse","page":"General"},{"do":"select","page":"Colors"}]})",
           R"({"steps":[{"do":"select","page":"Logging"},{"do":"set","control":1402,"value":"x"}]})",
           R"({"steps":[{"do":"key","keys":"Ctrl+Hyper"}]})", R"({"steps":[{"do":"ok"},{"do":"fly"}]})",
           R"({"steps":[{"do":"command"}]})", R"({"steps":[{"do":"set","control":[1],"value":"1"}]})",
           R"({"answers":["YES"]})", R"({"steps":[]} trailing)", R"({"step":[]})",
           R"({"steps":[{"do":"key","keys":"Ctrl+Shift+Tab"},{"do":"key","keys":"Ctrl+PgUp"},)"
           R"({"do":"set","control":1352,"value":"10"},{"do":"select","page":"Logging"},{"do":"ok"},)"
           R"({"do":"set","control":1353,"value":"300"}],"answers":["IDOK","IDCANCEL"]})"})
    commands.push_back(std::string("dialog property-tree-demo --json --script ") + script);
  commands.push_back("dialog property-tree-demo --script " + m_root.File("missing.json"));
  commands.push_back("dialog property-tree-demo");
  ExpectScripted("property_tree_demo.txt", commands);
}

std::string const kConnect = "dialog connect --json --no-launch ";

// The Connect dialog's world, made by the tool, then `commands`.
std::vector<std::string> InConnectWorld(std::vector<std::string> const& commands) {
  std::vector<std::string> all{"session mkdir Lab", "session mkdir Zeta",
                               "session new 'Lab\\core 1' --protocol ssh2 --host 10.0.0.1"};
  all.insert(all.end(), commands.begin(), commands.end());
  return all;
}

// Renamed, copied and pasted: the clipboard holds the record of "lab" under "".
TEST_F(CdtoolDialogTest, TheConnectDialogRenamesCopiesAndPastesIntoTheStore) {
  ExpectScripted("dialog_connect_paste.txt", InConnectWorld({
      kConnect + R"(--script {"steps":[{"do":"select","path":"Lab"},{"do":"key","keys":"F2"},)"
                 R"({"do":"endLabelEdit","text":"lab"},{"do":"command","id":2004},)"
                 R"({"do":"select","path":"Zeta"},{"do":"command","id":2005},{"do":"close"}]})",
      "session ls Zeta"}));
}

TEST_F(CdtoolDialogTest, TheConnectDialogBrowsesFiltersAndEnters) {
  ExpectScripted("dialog_connect_browse.txt", InConnectWorld({
      kConnect + R"(--browse 'Lab\core 1' --script {"steps":[{"do":"select","path":"Lab"},{"do":"ok"}]})",
      kConnect + R"(--script {"steps":[{"do":"filter","text":"10.0.0"}]})",
      kConnect + R"(--script {"steps":[{"do":"filter","text":"10.0"},{"do":"key","keys":"Enter"}]})",
      kConnect + R"(--script {"steps":[{"do":"select","path":"Nowhere"}]})"}));
}

// Moved to Zeta, Zeta refused before Lab under Ctrl+Shift, copied back to Lab under Ctrl.
TEST_F(CdtoolDialogTest, TheConnectDialogDropsMoveAndCopyByTheKeys) {
  ExpectScripted("dialog_connect_drop.txt", InConnectWorld({
      kConnect + R"(--script {"steps":[{"do":"expand","path":"Lab"},)"
                 R"({"do":"drop","source":"Lab\\core 1","target":"Zeta","zone":"on","keys":"none"},)"
                 R"({"do":"drop","source":"Zeta","target":"Lab","zone":"before","keys":"ctrl+shift"},)"
                 R"({"do":"drop","source":"Zeta\\core 1","target":"Lab","zone":"on","keys":"ctrl"}]})",
      "session ls", "session ls Lab", "session ls Zeta",
      kConnect + R"(--script {"steps":[{"do":"drop","source":"Lab","target":"Zeta","zone":"under"}]})"}));
}

// The transfer product makes an SFTP session in the folder, past a taken name; with both clients
// a port out of range is refused and the closed wizard stores nothing; then the refused steps.
TEST_F(CdtoolDialogTest, TheWizardMakesTheSessionOfEachProduct) {
  std::string const wizard = " dialog wizard --json --folder Lab ";
  std::vector<std::string> commands{
      "--product halofyx session mkdir Lab", "--product halofyx session new 'Lab\\files'", "session mkdir Lab",
      "--product halofyx" + wizard + R"(--script {"steps":[{"do":"choose","control":1212,"item":"SFTP"},)"
          R"({"do":"next"},{"do":"set","control":1501,"value":"files"},{"do":"set","control":1502,"value":"2022"},)"
          R"({"do":"next"},{"do":"back"},{"do":"next"},{"do":"set","control":1503,"value":"carol"},{"do":"next"},)"
          R"({"do":"set","control":1044,"value":"files"},{"do":"finish"},)"
          R"({"do":"set","control":1044,"value":"files mirror"},{"do":"finish"}]})",
      "--product halofyx session show --json 'Lab\\files mirror'",
      "--product halokorvo" + wizard + R"(--installed halofyx --script {"steps":[)"
          R"({"do":"choose","control":1212,"item":"None"},{"do":"next"},{"do":"choose","control":1212,"item":"FTP"},)"
          R"({"do":"next"},{"do":"set","control":1502,"value":"70000"},{"do":"next"},{"do":"close"}]})",
      "session ls Lab", R"(dialog wizard --folder Nowhere --script {"steps":[]})"};
  for (char const* steps : {R"([{"do":"finish"}])", R"([{"do":"back"}])",
                            R"([{"do":"choose","control":1212,"item":"Gopher"}])",
                            R"([{"do":"choose","control":3032,"item":"true"}])"})
    commands.push_back("--product halofyx" + wizard + R"(--script {"steps":)" + steps + "}");
  ExpectScripted("dialog_wizard.txt", commands);
}

// Cancel saves nothing, a refused OK keeps the dialog open with its message (the script's end
// cancels it), OK saves; the
// transfer product's tree and its FTP rule; the SSH2 plug-in's page, last in the tree and read by
// the session's command once stored; the default session's keys mapped through its options.
TEST_F(CdtoolDialogTest, GlobalOptionsSavesOnOkOnly) {
  std::string const appearance = R"(dialog global-options --start 'Global Appearance' --json --script {"steps":[)";
  std::string const ssh2 = R"(dialog global-options --json --script {"steps":[{"do":"select","page":"SSH2"},)"
                           R"({"do":"set","control":2203,"value":"20"},)"
                           R"({"do":"choose","control":2204,"item":"Refuse"},)";
  ExpectScripted("dialog_global_options.txt", {
      appearance + R"({"do":"set","control":11353,"value":"500"},{"do":"cancel"}]})", "global get 'Max Columns'",
      appearance + R"({"do":"set","control":11353,"value":"100"},{"do":"ok"}]})", "global get 'Max Columns'",
      appearance + R"({"do":"set","control":11353,"value":"100"},{"do":"ok"},)"
                   R"({"do":"set","control":11353,"value":"240"},{"do":"ok"}]})", "global get 'Max Columns'",
      R"(--product halofyx dialog global-options --json --script {"steps":[{"do":"select","page":"FTP"},)"
      R"({"do":"set","control":1081,"value":"true"},{"do":"set","control":1082,"value":"1023"},{"do":"ok"},)"
      R"({"do":"set","control":1082,"value":"2048"},{"do":"ok"}]})",
      "--product halofyx global get 'Receive Buffer Size'",
      "session new plain --protocol SSH2 --host web.lan", ssh2 + R"({"do":"cancel"}]})", "session command plain",
      ssh2 + R"({"do":"ok"}]})", "session command plain",
      R"(dialog global-options --json --script {"answers":["IDNO"],"steps":[{"do":"select","page":"Default Session"},)"
      R"({"do":"command","id":1341},{"do":"expand","page":"Emulation"},{"do":"select","page":"Mapped Keys"},)"
      R"({"do":"key-button","scan":30},{"do":"category","name":"Menu Function"},)"
      R"({"do":"function","name":"MENU_COPY"},{"do":"ok"},{"do":"ok"},{"do":"ok"}]})",
      "session show Default"});
}

// Cancel stores nothing, OK stores the protocol and the pages' options; Ctrl+A mapped by a click
// and Shift+F1 by "Map a Key" become the keymap's two records; then the refused steps.
TEST_F(CdtoolDialogTest, SessionOptionsStoresOnOkOnly) {
  std::string const core = "dialog session-options 'Lab\\core' --json --script ";
  std::string const steps = R"({"steps":[{"do":"choose","control":1404,"item":"Telnet"},)"
                            R"({"do":"select","page":"Terminal"},{"do":"set","control":1520,"value":"false"},)"
                            R"({"do":"expand","page":"Emulation"},{"do":"select","page":"Modes"},)"
                            R"({"do":"choose","control":1548,"item":"Application"},)";
  std::string const mappedKeys = core + R"({"steps":[{"do":"expand","page":"Emulation"},)"
                                        R"({"do":"select","page":"Mapped Keys"},)";
  ExpectScripted("dialog_session_options.txt", {
      "session mkdir Lab", "session new 'Lab\\core' --protocol SSH2 --host gate",
      core + steps + R"({"do":"cancel"}]})", "session show 'Lab\\core'", core + steps + R"({"do":"ok"}]})",
      "session show 'Lab\\core'",
      mappedKeys + R"({"do":"set","control":1564,"value":"true"},)"
                   R"({"do":"key-button","scan":30,"extended":false},{"do":"category","name":"Menu Function"},)"
                   R"({"do":"function","name":"MENU_COPY"},{"do":"ok"},{"do":"command","id":1567},)"
                   R"({"do":"press","scan":59,"held":"shift"},{"do":"string","value":"x"},{"do":"ok"},{"do":"ok"}]})",
      "session show 'Lab\\core'", mappedKeys + R"({"do":"key-button","scan":29}]})",
      core + R"({"steps":[{"do":"choose","control":1401,"item":"x"}]})",
      R"(dialog session-options 'Lab\nowhere' --script {"steps":[]})"});
}

}  // namespace
