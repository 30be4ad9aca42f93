#include <gtest/gtest.h>

#include <string>

#include "support/CdtoolRunner.h"

namespace {

class CdtoolWizardTest : public CdtoolTest {
 protected:
  CdtoolWizardTest() { ExpectSteps({{"--product halofyx session mkdir Lab", 0, ""},
                                   {"--product halofyx session new 'Lab\\files'", 0, ""},
                                   {"session mkdir Lab", 0, ""}}); }
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
  CdtoolResult const listed = Run("session ls Lab");
  EXPECT_EQ(listed.out, "") << "a cancelled wizard stores nothing";

  struct Case {
    char const* script;
    char const* error;
  };
  for (Case const& c : {
           Case{R"({"steps":[{"do":"finish"}]})", R"({"error":"the Finish button is hidden","step":0})"},
           Case{R"({"steps":[{"do":"back"}]})", R"({"error":"the Back button is disabled","step":0})"},
           Case{R"({"steps":[{"do":"choose","control":1212,"item":"Gopher"}]})",
                R"({"error":"\"Gopher\" is not a choice of control 1212","step":0})"},
           Case{R"({"steps":[{"do":"choose","control":3032,"item":"true"}]})",
                R"({"error":"control 3032 is not a list","step":0})"},
       }) {
    CdtoolResult const refused = Wizard("--product halofyx", c.script);
    EXPECT_EQ(refused.exitCode, 1) << c.script;
    EXPECT_NE(refused.out.find(c.error), std::string::npos) << refused.out;
  }
  CdtoolResult const noFolder = RunScript("dialog wizard --folder Nowhere", R"({"steps":[]})");
  EXPECT_EQ(noFolder.exitCode, 1);
  EXPECT_NE(noFolder.err.find("no folder at \"Nowhere\""), std::string::npos) << noFolder.err;
}

}  // namespace
