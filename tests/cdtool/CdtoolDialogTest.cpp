// The dialog verbs play a JSON script of steps and answers and print what the dialog showed:
// the property-tree demonstration, the Connect dialog, the New Session Wizard, Global Options
// and Session Options.
#include "support/CdtoolTranscript.h"

namespace {

using CdtoolDialogTest = CdtoolTranscriptTest;
using CdtoolGlobalOptionsTest = CdtoolTest;
using CdtoolSessionOptionsTest = CdtoolTest;

TEST_F(CdtoolDialogTest, DemoPlaysStepsAndAnswersAndPrintsWhatWasShown) {
  std::string const script = WriteFile(
      "script.json", R"({"steps":[{"do":"key","keys":"Ctrl+Shift+Tab"},{"do":"key","keys":"Ctrl+PgUp"},)"
                     R"({"do":"set","control":1352,"value":"10"},{"do":"select","page":"Logging"},{"do":"ok"},)"
                     R"({"do":"set","control":1353,"value":"300"}],"answers":["IDOK","IDCANCEL"]})");
  ExpectTranscript("property_tree_demo.txt", {"dialog property-tree-demo --json --script " + script});
}

TEST_F(CdtoolDialogTest, StepsThatCannotRunAreReportedWithTheirPlace) {
  for (auto const& [script, out] : std::initializer_list<std::pair<char const*, char const*>>{
           {R"({"steps":[{"do":"ok"},{"do":"select","page":"Nope"}]})",
            R"({"error":"the dialog has already ended","step":1})"},
           {R"({"steps":[{"do":"select","page":"Nope"}]})", R"({"error":"no page \"Nope\" in the tree","step":0})"},
           {R"({"steps":[{"do":"collapse","page":"General"},{"do":"select","page":"Colors"}]})",
            R"({"error":"page \"Colors\" is inside a collapsed page","step":1})"},
           {R"({"steps":[{"do":"select","page":"Logging"},{"do":"set","control":1402,"value":"x"}]})",
            R"({"error":"control 1402 is disabled","step":1})"},
           {R"({"steps":[{"do":"key","keys":"Ctrl+Hyper"}]})", R"({"error":"unknown keys \"Ctrl+Hyper\"","step":0})"},
           {R"({"steps":[{"do":"ok"},{"do":"fly"}]})", R"({"error":"unknown step \"fly\"","step":1})"},
           {R"({"steps":[{"do":"command"}]})", R"({"error":"step \"command\" needs \"id\"","step":0})"},
           {R"({"steps":[{"do":"set","control":[1],"value":"1"}]})",
            R"({"error":"\"control\" must be a text, a whole number or true/false","step":0})"},
           {R"({"answers":["YES"]})",
            R"({"error":"an answer must be \"IDYES\", \"IDNO\", \"IDOK\" or \"IDCANCEL\", not \"YES\""})"},
           {R"({"steps":[]} trailing)", R"({"error":"the script is not a JSON document"})"},
           {R"({"step":[]})", R"({"error":"unknown member \"step\" in the script"})"}}) {
    CdtoolResult const result = RunScript("dialog property-tree-demo --json", script);
    EXPECT_EQ(result.exitCode, 1) << script;
    EXPECT_EQ(result.out, std::string(out) + "\n") << script;
  }
  ExpectExits({{"dialog property-tree-demo --script " + m_root.File("missing.json"), 1, "cannot read the script"},
               {"dialog property-tree-demo", 2, "--script"}});
}

class CdtoolConnectDialogTest : public CdtoolTest {
 protected:
  CdtoolConnectDialogTest() {
    ExpectSteps({{"session mkdir Lab", 0, ""}, {"session mkdir Zeta", 0, ""},
                 {"session new 'Lab\\core 1' --protocol ssh2 --host 10.0.0.1", 0, ""}});
  }
  CdtoolResult Dialog(std::string const& arguments, std::string const& script) {
    return RunScript("dialog connect --json --no-launch " + arguments, script);
  }
};

TEST_F(CdtoolConnectDialogTest, RenamesCopiesAndPastesIntoTheStore) {
  CdtoolResult const result = Dialog("", R"({"steps":[
      {"do":"select","path":"Lab"},{"do":"key","keys":"F2"},{"do":"endLabelEdit","text":"lab"},
      {"do":"command","id":2004},{"do":"select","path":"Zeta"},{"do":"command","id":2005},{"do":"close"}]})");
  ASSERT_EQ(result.exitCode, 0) << result.err;
  ExpectParts(result,
              {R"("endCode":2,"messages":[],"tree":[{"path":"","kind":"folder","label":"Sessions","cut":false,"expanded":true},)",
               R"({"path":"Zeta\\lab","kind":"folder","label":"lab","cut":false,"expanded":false}],"selected":"Zeta\\lab",)",
               R"("2005":{"enabled":true},)", R"("2111":{"enabled":true,"checked":false},)",
               R"("result":{"name":"","path":""},"launched":[],"clipboard":")"});
  // The record: a handle, then "lab" at offset 4, its parent "" at 264, copied.
  size_t const hex = result.out.find(R"("clipboard":")") + 13;
  EXPECT_EQ(result.out.substr(hex + 8, 8), "6c616200");
  EXPECT_EQ(result.out.substr(hex + 2 * 524, 8 + 1), "00000000\"");
  EXPECT_NE(Run("session ls Zeta").out.find("lab\\"), std::string::npos);
}

TEST_F(CdtoolConnectDialogTest, BrowseModeTheFilterAndEnter) {
  CdtoolResult const browsed = Dialog("--browse 'Lab\\core 1'", R"({"steps":[{"do":"select","path":"Lab"},{"do":"ok"}]})");
  ASSERT_EQ(browsed.exitCode, 0) << browsed.err;
  ExpectParts(browsed, {R"("endCode":1,)", R"("result":{"name":"Lab","path":"Lab"})"});
  EXPECT_EQ(browsed.out.find(R"("2000")"), std::string::npos) << "no Connect button in browse mode";
  CdtoolResult const filtered = Dialog("", R"({"steps":[{"do":"filter","text":"10.0.0"}]})");
  ASSERT_EQ(filtered.exitCode, 0) << filtered.err;
  ExpectParts(filtered, {R"("label":"Lab","cut":false,"expanded":true},{"path":"Lab\\core 1","kind":"session")"});
  EXPECT_EQ(filtered.out.find(R"("Zeta")"), std::string::npos) << filtered.out;
  CdtoolResult const entered = Dialog("", R"({"steps":[{"do":"filter","text":"10.0"},{"do":"key","keys":"Enter"}]})");
  ASSERT_EQ(entered.exitCode, 0) << entered.err;
  ExpectParts(entered, {R"("endCode":1,)", R"("result":{"name":"core 1","path":"Lab\\core 1"},"launched":[])"});
  CdtoolResult const refused = Dialog("", R"({"steps":[{"do":"select","path":"Nowhere"}]})");
  EXPECT_EQ(refused.exitCode, 1);
  ExpectParts(refused, {R"({"error":"no item \"Nowhere\" is shown in the tree","step":0})"});
}

TEST_F(CdtoolConnectDialogTest, DropsMoveAndCopyByTheKeys) {
  CdtoolResult const moved = Dialog("", R"({"steps":[{"do":"expand","path":"Lab"},
      {"do":"drop","source":"Lab\\core 1","target":"Zeta","zone":"on","keys":"none"},
      {"do":"drop","source":"Zeta","target":"Lab","zone":"before","keys":"ctrl+shift"},
      {"do":"drop","source":"Zeta\\core 1","target":"Lab","zone":"on","keys":"ctrl"}]})");
  ASSERT_EQ(moved.exitCode, 0) << moved.err;
  ExpectParts(moved, {R"("selected":"Lab\\core 1")"});
  EXPECT_EQ(Run("session ls Zeta").out, Run("session ls Lab").out) << "moved to Zeta, copied back to Lab";
  EXPECT_NE(Run("session ls Zeta").out.find("core 1"), std::string::npos);
  CdtoolResult const listed = Run("session ls");
  EXPECT_LT(listed.out.find("Lab"), listed.out.find("Zeta")) << "ctrl+shift refused the drop: " << listed.out;
  CdtoolResult const refused = Dialog("", R"({"steps":[{"do":"drop","source":"Lab","target":"Zeta","zone":"under"}]})");
  EXPECT_EQ(refused.exitCode, 1);
  ExpectParts(refused, {R"(zone is \"before\", \"on\" or \"after\", not \"under\")"});
}

class CdtoolWizardTest : public CdtoolTest {
 protected:
  CdtoolWizardTest() {
    ExpectSteps({{"--product halofyx session mkdir Lab", 0, ""}, {"--product halofyx session new 'Lab\\files'", 0, ""},
                 {"session mkdir Lab", 0, ""}});
  }
  // `product` goes before the noun, `extra` after the verb.
  CdtoolResult Wizard(std::string const& product, std::string const& script, std::string const& extra = "") {
    return RunScript(product + " dialog wizard --json --folder Lab " + extra, script);
  }
};

TEST_F(CdtoolWizardTest, TheTransferProductMakesAnSftpSessionInTheFolder) {
  CdtoolResult const result = Wizard("--product halofyx", R"({"steps":[
      {"do":"choose","control":1212,"item":"SFTP"},{"do":"next"},
      {"do":"set","control":1501,"value":"files"},{"do":"set","control":1502,"value":"2022"},{"do":"next"},
      {"do":"back"},{"do":"next"},{"do":"set","control":1503,"value":"carol"},{"do":"next"},
      {"do":"set","control":1044,"value":"files"},{"do":"finish"},
      {"do":"set","control":1044,"value":"files mirror"},{"do":"finish"}]})");
  ASSERT_EQ(result.exitCode, 0) << result.err;
  ExpectParts(result, {R"("endCode":12325,"messages":[{"text":"The session name 'files' already exists","type":48}],)",
                       R"("wizardPages":[11463,11480,11481,11480,11481,11467],)",
                       R"("buttons":{"back":true,"next":false,"finish":true},)",
                       R"("result":{"name":"files mirror","path":"Lab\\files mirror"})"});
  CdtoolResult const shown = Run("--product halofyx session show --json 'Lab\\files mirror'");
  ASSERT_EQ(shown.exitCode, 0) << shown.err;
  ExpectParts(shown, {R"("transferProtocol":"SFTP")", R"("host":"files")", R"("port":2022)", R"("user":"carol")"});
}

TEST_F(CdtoolWizardTest, BothClientsAndTheRefusals) {
  CdtoolResult const both = Wizard("--product halokorvo", R"({"steps":[
      {"do":"choose","control":1212,"item":"None"},{"do":"next"},{"do":"choose","control":1212,"item":"FTP"},
      {"do":"next"},{"do":"set","control":1502,"value":"70000"},{"do":"next"},{"do":"close"}]})",
                                   "--installed halofyx");
  ASSERT_EQ(both.exitCode, 0) << both.err;
  ExpectParts(both, {R"("endCode":2,)", R"("Please enter an integer between 1 and 65535.")",
                     R"("wizardPages":[11464,11466,11482],)", R"("result":{"name":"","path":""})"});
  EXPECT_EQ(Run("session ls Lab").out, "") << "a cancelled wizard stores nothing";
  for (auto const& [script, error] : std::initializer_list<std::pair<char const*, char const*>>{
           {R"({"steps":[{"do":"finish"}]})", R"({"error":"the Finish button is hidden","step":0})"},
           {R"({"steps":[{"do":"back"}]})", R"({"error":"the Back button is disabled","step":0})"},
           {R"({"steps":[{"do":"choose","control":1212,"item":"Gopher"}]})",
            R"({"error":"\"Gopher\" is not a choice of control 1212","step":0})"},
           {R"({"steps":[{"do":"choose","control":3032,"item":"true"}]})",
            R"({"error":"control 3032 is not a list","step":0})"}}) {
    CdtoolResult const refused = Wizard("--product halofyx", script);
    EXPECT_EQ(refused.exitCode, 1) << script;
    EXPECT_NE(refused.out.find(error), std::string::npos) << refused.out;
  }
  CdtoolResult const noFolder = RunScript("dialog wizard --folder Nowhere", R"({"steps":[]})");
  EXPECT_EQ(noFolder.exitCode, 1);
  EXPECT_NE(noFolder.err.find("no folder at \"Nowhere\""), std::string::npos) << noFolder.err;
}

// OK saves the global options, Cancel saves nothing, a refused page keeps the dialog open with its message.
TEST_F(CdtoolGlobalOptionsTest, OkSavesTheOptionsAndCancelSavesNothing) {
  // shown: a part of the output; stored: "Max Columns" afterwards.
  struct Case { char const* name; char const* steps; std::string shown; char const* stored; };
  for (Case const& c : {
           Case{"cancelled", R"({"do":"set","control":11353,"value":"500"},{"do":"cancel"})",
                R"({"endCode":2,"messages":[],"title":"Global Options","pages":[)", "132\n"},
           Case{"refused, then cancelled", R"({"do":"set","control":11353,"value":"100"},{"do":"ok"})",
                R"({"endCode":2,"messages":[{"text":"Please enter an integer between 132 and 1024.","type":)", "132\n"},
           Case{"accepted", R"({"do":"set","control":11353,"value":"100"},{"do":"ok"},)"
                            R"({"do":"set","control":11353,"value":"240"},{"do":"ok"})",
                R"("current":"Appearance")", "240\n"},
           Case{"the start page by caption", R"({"do":"select","page":"FTP"},{"do":"ok"})",
                R"("error":"no page \"FTP\" in the tree")", "240\n"},
       }) {
    CdtoolResult const result = RunScript("dialog global-options --start 'Global Appearance' --json",
                                          std::string(R"({"answers":[],"steps":[)") + c.steps + "]}");
    EXPECT_NE(result.out.find(c.shown), std::string::npos) << c.name << "\n" << result.out << result.err;
    EXPECT_EQ(Run("global get 'Max Columns'").out, c.stored) << c.name;
  }
}

// The default session's Session Options, opened from its page, maps keys as a stored session's does.
TEST_F(CdtoolGlobalOptionsTest, TheDefaultSessionsKeysAreMappedThroughItsSessionOptions) {
  CdtoolResult const result = RunScript(
      "dialog global-options --json",
      R"({"answers":["IDNO"],"steps":[{"do":"select","page":"Default Session"},{"do":"command","id":1341},)"
      R"({"do":"expand","page":"Emulation"},{"do":"select","page":"Mapped Keys"},)"
      R"({"do":"key-button","scan":30},{"do":"category","name":"Menu Function"},)"
      R"({"do":"function","name":"MENU_COPY"},{"do":"ok"},{"do":"ok"},{"do":"ok"}]})");
  EXPECT_EQ(result.exitCode, 0) << result.out << result.err;
  EXPECT_NE(Run("session show Default").out.find("\nKeymap\tbytes\t00000001" "00000041" "4d454e555f434f505900" "00\n"),
            std::string::npos);
}

TEST_F(CdtoolGlobalOptionsTest, TheTransferClientsTreeAndItsFtpRule) {
  CdtoolResult const result = RunScript(
      "--product halofyx dialog global-options --json",
      R"({"steps":[{"do":"select","page":"FTP"},{"do":"set","control":1081,"value":"true"},)"
      R"({"do":"set","control":1082,"value":"1023"},{"do":"ok"},{"do":"set","control":1082,"value":"2048"},{"do":"ok"}]})");
  EXPECT_EQ(result.exitCode, 0) << result.err;
  ExpectParts(result, {R"("messages":[{"text":"Please enter a buffer size between 1024 and 65536.")", R"("saved":true)"});
  for (char const* label : {"General", "Default Session", "File Transfer", "Options", "Advanced", "View", "FTP", "Sound",
                            "File Types", "Firewall"})
    ExpectParts(result, {std::string(R"({"label":")") + label + "\""});
  EXPECT_EQ(result.out.find(R"({"label":"Terminal")"), std::string::npos);
  EXPECT_EQ(Run("--product halofyx global get 'Receive Buffer Size'").out, "2048\n");
}

// The SSH2 plug-in's page, loaded as a host loads it: last in the tree, stored on OK, read by the session's command.
TEST_F(CdtoolGlobalOptionsTest, TheSsh2PageStoresWhatTheCommandUses) {
  ASSERT_EQ(Run("session new plain --protocol SSH2 --host web.lan").exitCode, 0);
  for (auto const& [end, command] :
       {std::pair{"cancel", "ssh -p 22 -- web.lan\n"},
        {"ok", "ssh -p 22 -o StrictHostKeyChecking=yes -o ServerAliveInterval=20 -- web.lan\n"}}) {
    CdtoolResult const result = RunScript("dialog global-options --json",
                                          std::string(R"({"steps":[{"do":"select","page":"SSH2"},)"
                                                      R"({"do":"set","control":2203,"value":"20"},)"
                                                      R"({"do":"choose","control":2204,"item":"Refuse"},{"do":")") +
                                              end + R"("}]})");
    EXPECT_EQ(result.exitCode, 0) << result.err;
    size_t const firewall = result.out.find(R"({"label":"Firewall")");
    EXPECT_NE(firewall, std::string::npos) << result.out;
    EXPECT_NE(result.out.find(R"({"label":"SSH2","caption":"  SSH2 Global Options")", firewall), std::string::npos);
    EXPECT_EQ(Run("session command plain").out, command) << end;
  }
}

// The option line `name` of `session show`'s plain output.
std::string OptionLine(std::string const& shown, std::string const& name) {
  size_t const at = shown.find("\n" + name + "\t");
  return at == std::string::npos ? "" : shown.substr(at + 1, shown.find('\n', at + 1) - at - 1);
}

TEST_F(CdtoolSessionOptionsTest, OkStoresTheSessionAndCancelStoresNothing) {
  ASSERT_EQ(Run("session mkdir Lab").exitCode, 0);
  ASSERT_EQ(Run("session new 'Lab\\core' --protocol SSH2 --host gate").exitCode, 0);
  std::string const steps = R"({"steps":[{"do":"choose","control":1404,"item":"Telnet"},)"
                            R"({"do":"select","page":"Terminal"},{"do":"set","control":1520,"value":"false"},)"
                            R"({"do":"expand","page":"Emulation"},{"do":"select","page":"Modes"},)"
                            R"({"do":"choose","control":1548,"item":"Application"},)";
  std::string const before = Run("session show 'Lab\\core'").out;
  CdtoolResult const cancelled = RunScript("dialog session-options 'Lab\\core' --json", steps + R"({"do":"cancel"}]})");
  EXPECT_EQ(cancelled.exitCode, 0) << cancelled.err;
  ExpectParts(cancelled, {R"({"endCode":2,"messages":[],"title":"Session Options - core","pages":[)", R"("saved":false})"});
  EXPECT_EQ(Run("session show 'Lab\\core'").out, before);
  CdtoolResult const saved = RunScript("dialog session-options 'Lab\\core' --json", steps + R"({"do":"ok"}]})");
  EXPECT_EQ(saved.exitCode, 0) << saved.err;
  ExpectParts(saved, {R"({"endCode":1,"messages":[],"title":"Session Options - core")", R"("current":"Modes")",
                      R"({"id":1548,"label":"Ke&ypad:","value":"Application","enabled":true,"visible":true})"});
  std::string const after = Run("session show 'Lab\\core'").out;
  EXPECT_NE(after.find("terminalProtocol: Telnet\n"), std::string::npos) << after;
  EXPECT_EQ(OptionLine(after, "Audio Bell"), "Audio Bell\tnumber\t0");
  EXPECT_EQ(OptionLine(after, "Keypad Mode"), "Keypad Mode\tnumber\t1");
  std::string const notAList = R"({"steps":[{"do":"choose","control":1401,"item":"x"}]})";
  CdtoolResult const refused = RunScript("dialog session-options 'Lab\\core' --json", notAList);
  EXPECT_EQ(refused.exitCode, 1);
  EXPECT_EQ(refused.out, "{\"error\":\"control 1401 is not a list\",\"step\":0}\n");
  EXPECT_EQ(RunScript("dialog session-options 'Lab\\nowhere'", notAList).exitCode, 1);
}

// Keys mapped on the Mapped Keys page, by a click under Ctrl and by "Map a Key" with Shift+F1
// held, are stored as the session's keymap records on OK; a scan code no key button has fails.
TEST_F(CdtoolSessionOptionsTest, KeyButtonsMapTheSessionsKeys) {
  ASSERT_EQ(Run("session new core --protocol SSH2 --host gate").exitCode, 0);
  std::string const mappedKeys =
      R"({"steps":[{"do":"expand","page":"Emulation"},{"do":"select","page":"Mapped Keys"},)";
  CdtoolResult const saved = RunScript(
      "dialog session-options core --json",
      mappedKeys + R"({"do":"set","control":1564,"value":"true"},)"
                   R"({"do":"key-button","scan":30,"extended":false},{"do":"category","name":"Menu Function"},)"
                   R"({"do":"function","name":"MENU_COPY"},{"do":"ok"},{"do":"command","id":1567},)"
                   R"({"do":"press","scan":59,"held":"shift"},{"do":"string","value":"x"},{"do":"ok"},{"do":"ok"}]})");
  EXPECT_EQ(saved.exitCode, 0) << saved.err;
  ExpectParts(saved,
              {R"({"id":1565,"label":"S&hift","value":"true","enabled":true,"visible":true})", R"("saved":true})"});
  // Two records: Ctrl+A (0x241) MENU_COPY with no value, Shift+F1 (0x470) SEND "x".
  EXPECT_EQ(OptionLine(Run("session show core").out, "Keymap"),
            "Keymap\tbytes\t00000002" "00000241" "4d454e555f434f505900" "00" "00000470" "53454e4400" "7800");
  CdtoolResult const modifier =
      RunScript("dialog session-options core --json", mappedKeys + R"({"do":"key-button","scan":29}]})");
  EXPECT_EQ(modifier.exitCode, 1);
  EXPECT_EQ(modifier.out, "{\"error\":\"the keyboard has no key button with the scan code 29\",\"step\":2}\n");
}

}  // namespace
