#include <gtest/gtest.h>

#include <string>

#include "support/CdtoolRunner.h"

namespace {

using CdtoolDialogTest = CdtoolTest;

std::string const kPages =
    R"("pages":[{"label":"General","caption":"  General","depth":0,"expanded":true,"selected":false},)"
    R"({"label":"Appearance","caption":"  Window and Text Appearance","depth":1,"expanded":true,"selected":false},)"
    R"({"label":"Colors","caption":"  Colors","depth":2,"expanded":true,"selected":false},)"
    R"({"label":"Terminal","caption":"  Terminal Size","depth":0,"expanded":true,"selected":true},)"
    R"({"label":"Logging","caption":"  Logging","depth":0,"expanded":true,"selected":false}])";

TEST_F(CdtoolDialogTest, DemoPlaysStepsAndAnswersAndPrintsWhatWasShown) {
  std::string const script = WriteFile(
      "script.json", R"({"steps":[{"do":"key","keys":"Ctrl+Shift+Tab"},{"do":"key","keys":"Ctrl+PgUp"},)"
                     R"({"do":"set","control":1352,"value":"10"},{"do":"select","page":"Logging"},{"do":"ok"},)"
                     R"({"do":"set","control":1353,"value":"300"}],"answers":["IDOK","IDCANCEL"]})");
  ExpectSteps({{"dialog property-tree-demo --json --script " + script, 0,
                R"({"endCode":2,"messages":[{"text":"Please enter an integer between 132 and 1024.","type":48},)"
                R"({"text":"Please enter an integer between 132 and 1024.","type":48}],)" +
                    kPages +
                    R"(,"current":"Terminal","controls":[)"
                    R"({"id":1352,"label":"&Maximum columns:","value":"10","enabled":true,"visible":true},)"
                    R"({"id":1353,"label":"&Scrollback lines:","value":"300","enabled":true,"visible":true},)"
                    R"({"id":1354,"label":"&Defaults","value":"","enabled":true,"visible":true}],"modified":false})"
                    "\n"}});
}

TEST_F(CdtoolDialogTest, StepsThatCannotRunAreReportedWithTheirPlace) {
  struct Case {
    char const* script;
    char const* out;
  };
  for (Case const& c : {
           Case{R"({"steps":[{"do":"ok"},{"do":"select","page":"Nope"}]})", R"({"error":"the dialog has already ended","step":1})"},
           Case{R"({"steps":[{"do":"select","page":"Nope"}]})", R"({"error":"no page \"Nope\" in the tree","step":0})"},
           Case{R"({"steps":[{"do":"collapse","page":"General"},{"do":"select","page":"Colors"}]})",
                R"({"error":"page \"Colors\" is inside a collapsed page","step":1})"},
           Case{R"({"steps":[{"do":"select","page":"Logging"},{"do":"set","control":1402,"value":"x"}]})",
                R"({"error":"control 1402 is disabled","step":1})"},
           Case{R"({"steps":[{"do":"key","keys":"Ctrl+Hyper"}]})", R"({"error":"unknown keys \"Ctrl+Hyper\"","step":0})"},
           Case{R"({"steps":[{"do":"ok"},{"do":"fly"}]})", R"({"error":"unknown step \"fly\"","step":1})"},
           Case{R"({"steps":[{"do":"command"}]})", R"({"error":"step \"command\" needs \"id\"","step":0})"},
           Case{R"({"steps":[{"do":"set","control":[1],"value":"1"}]})",
                R"({"error":"\"control\" must be a text, a whole number or true/false","step":0})"},
           Case{R"({"answers":["YES"]})", R"({"error":"an answer must be \"IDYES\", \"IDNO\", \"IDOK\" or \"IDCANCEL\", not \"YES\""})"},
           Case{R"({"steps":[]} trailing)", R"({"error":"the script is not a JSON document"})"},
           Case{R"({"step":[]})", R"({"error":"unknown member \"step\" in the script"})"},
       }) {
    CdtoolResult const result = RunScript("dialog property-tree-demo --json", c.script);
    EXPECT_EQ(result.exitCode, 1) << c.script;
    EXPECT_EQ(result.out, std::string(c.out) + "\n") << c.script;
  }
  ExpectExits({{"dialog property-tree-demo --script " + m_root.File("missing.json"), 1, "cannot read the script"},
               {"dialog property-tree-demo", 2, "--script"}});
}

}  // namespace
