// The option model over every record's option table, the protocol plug-ins' records included:
// each option has a form and a default of that form, names are unique, every value round-trips
// through its text and through the store, and secrets never show.
#include <gtest/gtest.h>

#include <set>

#include "VMemoryStoreFactory.h"
#include "VOptionList.h"
#include "VProfileKey.h"
#include "VProfileStore.h"
#include "database/GlobalConfig.h"
#include "database/ProfileFolderData.h"
#include "library/LibraryState.h"
#include "library/ProductInfo.h"
#include "session/ConnectProtocolTable.h"
#include "session/FirewallConfig.h"
#include "session/RemoteHostConfig.h"
#include "session/SSH2GlobalConfig.h"
#include "session/SessionConfig.h"
#include "support/BuiltPluginFolder.h"
#include "support/InstalledMemoryStore.h"
#include "support/RegisterProtocolRow.h"
#include "support/ScopedRoot.h"

namespace {

using Made = std::shared_ptr<VProfileRecord>;

// The record of class R made from the key at `path`; the reference-counted ones are let go by Release.
template <typename R, typename... Args>
Made Open(VProfileKey& root, char const* path, Args... args) {
  VProfileKey key(&root, path);
  if constexpr (requires(R* r) { r->Release(); }) {
    R* record = new R(args..., &key);
    return Made(record, [record](VProfileRecord*) { record->Release(); });
  } else {
    return std::make_shared<R>(args..., &key);
  }
}

Made Global(VProfileKey& root, int productId) {
  SetCurrentAppProductID(productId);
  ConnectDialogDllInitApplicationName(LookupProductName(productId));
  return Open<GlobalConfig>(root, "Global");
}

// A record class under test: built from the key at `path` below the store's root, then given its
// protocols (the reload reads them from the store); `repaired` holds the options whose sample value
// the record's load rules repair.
struct Subject {
  char const* label;
  char const* path;
  std::function<Made(VProfileKey& root)> make;
  std::map<std::string, std::string> protocols;
  std::set<std::string> repaired;
};

Made LabSession(VProfileKey& root) { return Open<SessionConfig>(root, "Sessions\\Lab", "Lab"); }

// A session is always a session; its terminal and protocols know only the emulations, ciphers
// and authentication methods they have.
std::set<std::string> const kSessionRepairs = {"Is Session", "Idle Timeout", "Idle NO-OP Timeout", "Use Printer Port",
                                               "Emulation", "SSH2 Authentication Order", "SSH1 Cipher"};

Subject Session(char const* terminal, char const* transfer, std::set<std::string> repaired = kSessionRepairs) {
  return {"session", "Sessions\\Lab", LabSession, {{"Protocol Name", terminal}, {"Transfer Protocol Name", transfer}},
          std::move(repaired)};
}

std::vector<Subject> Subjects() {
  std::set<std::string> serial = kSessionRepairs;
  serial.insert({"Serial Baud Rate", "Serial Parity", "Serial Stop Bits", "Serial Flow Control"});
  return {
      Session("SSH2", "SFTP"), Session("SSH1", "FTP"), Session("Telnet", "SFTP"), Session("RLogin", "FTP"),
      Session("Serial", "SFTP", serial), Session("TAPI", "FTP"), Session("None", "FTP"),
      {"terminal host's global options", "Global", [](VProfileKey& r) { return Global(r, kProductHaloKorvo); }, {},
       {"Max Columns"}},
      {"file-transfer host's global options", "Global", [](VProfileKey& r) { return Global(r, kProductHaloFyx); }, {},
       {"Max Columns"}},
      {"firewall", "Firewalls\\fw", [](VProfileKey& r) { return Open<FirewallConfig>(r, "Firewalls\\fw", "fw"); }, {},
       {}},
      {"SSH2-wide options", "Global\\SSH2", [](VProfileKey& r) { return Open<SSH2GlobalConfig>(r, "Global\\SSH2"); },
       {}, {}},
      {"remote host", "Host", [](VProfileKey& r) { return Open<RemoteHostConfig>(r, "Host"); }, {}, {}},
      // The lists are merged with the folder's real children, which it has none of.
      {"folder order", "Folder\\__FolderData__",
       [](VProfileKey& r) { return Made(std::make_shared<ProfileFolderData>(r, "Folder", false)); }, {},
       {"Folder List", "Session List"}},
  };
}

bool IsSecret(VOptionForm form) { return form == VOptionForm::EncodedText || form == VOptionForm::ProtectedText; }

// A value of the option's form, different from `current` where the form allows.
std::string Sample(VOptionForm form, std::string const& current) {
  switch (form) {
    case VOptionForm::Flag: return current == "true" ? "false" : "true";
    case VOptionForm::Number:
    case VOptionForm::Unsigned: return current == "7" ? "8" : "7";
    case VOptionForm::Text: return "sample \xc3\xa9 text";
    case VOptionForm::EncodedText:
    case VOptionForm::ProtectedText: return "hunter2-sample";
    case VOptionForm::Record: return (current[0] == '0' ? "1" : "0") + current.substr(1);
    case VOptionForm::Bytes: return "00000000";
    case VOptionForm::TextList:
    case VOptionForm::Lines: return "[\"a\",\"\",\"b\"]";
    default: return current;
  }
}

class VOptionTablesTest : public testing::Test {
 protected:
  static void SetUpTestSuite() {
    s_folder = new BuiltPluginFolder(CONNECTION_PROTOCOLS_DIR);
    GetConnectProtocolTable().RemoveAll();
    std::string const base = s_folder->Base();
    for (int row = 4; row <= 11; ++row) ASSERT_TRUE(RegisterProtocolRow(base.c_str(), row, row < 10 ? 3 : 6)) << row;
    ASSERT_TRUE(RegisterProtocolRow(nullptr, 0, 3));
  }
  static void TearDownTestSuite() {
    GetConnectProtocolTable().RemoveAll();
    delete s_folder;
  }
  ~VOptionTablesTest() override {
    SetCurrentAppProductID(-1);
    ConnectDialogDllInitApplicationName("");
  }
  static void SetProtocols(VProfileRecord& record, std::map<std::string, std::string> const& protocols) {
    for (auto const& [name, protocol] : protocols) {
      VOptionList const list(record);
      VOption const* option = list.Find(name);
      ASSERT_NE(option, nullptr) << name;
      VString error;
      ASSERT_TRUE(option->FromText(VString(protocol), error)) << error;
    }
  }

  inline static BuiltPluginFolder* s_folder = nullptr;
  ScopedRoot root;
  InstalledMemoryStore installed;
  VMemoryStoreFactory factory;
  VProfileStore store{&factory};
};

TEST_F(VOptionTablesTest, EveryOptionHasAFormAndADefaultOfItRoundTripsThroughTextAndStoreAndNeverShowsASecret) {
  for (Subject const& subject : Subjects()) {
    SCOPED_TRACE(subject.label);
    VMemoryStoreFactory blank;  // nothing saved: every option at its default
    VProfileStore blankStore(&blank);
    Made record = subject.make(*blankStore.Root());
    SetProtocols(*record, subject.protocols);
    VOptionList const list(*record);
    ASSERT_FALSE(list.Options().empty());
    std::set<std::string> names;
    for (VOption const& option : list.Options()) {
      SCOPED_TRACE(option.Name());
      EXPECT_TRUE(names.insert(option.FoldedName()).second) << "a second option of this name";
      EXPECT_NE(option.Form(), VOptionForm::Nested);
      EXPECT_STRNE(option.FormName(), "unknown");
      VString error;
      if (option.Form() == VOptionForm::List || option.Form() == VOptionForm::Protocol) {
        EXPECT_EQ(option.IsDefault(), option.Text() == option.DefaultText());
        continue;
      }
      VString const before = option.Text();
      EXPECT_TRUE(option.FromText(option.DefaultText(), error)) << error;
      EXPECT_TRUE(option.IsDefault());
      EXPECT_EQ(option.Text(), option.DefaultText());
      if (!IsSecret(option.Form())) {
        ASSERT_TRUE(option.FromText(VString(Sample(option.Form(), before.Str())), error)) << error;
        EXPECT_EQ(option.IsDefault(), option.Text() == option.DefaultText());
      } else {
        ASSERT_TRUE(option.FromText("hunter2", error)) << error;
        EXPECT_FALSE(option.IsDefault());
      }
    }
    // No option shows a secret, its own or another's.
    for (VOption const& option : list.Options()) {
      EXPECT_EQ(option.Text().View().find("hunter2"), std::string_view::npos) << option.Name();
      EXPECT_EQ(option.DefaultText().View().find("hunter2"), std::string_view::npos) << option.Name();
    }
    // Every value round-trips through its text and the store.
    Made saved = subject.make(*store.Root());
    SetProtocols(*saved, subject.protocols);
    VProfileKey key(store.Root(), subject.path);
    saved->Save(&key, true);
    saved->Checkpoint();
    std::map<std::string, std::string> texts;
    VOptionList const options(*saved);
    for (VOption const& option : options.Options()) {
      SCOPED_TRACE(option.Name());
      VString error;
      VString const shown = option.Text();
      if (option.Form() == VOptionForm::List) {
        EXPECT_FALSE(option.FromText(shown, error));
        EXPECT_EQ(option.Text(), shown);
      } else {
        ASSERT_TRUE(option.FromText(shown, error)) << error;
        EXPECT_EQ(option.Text(), shown);
        ASSERT_TRUE(option.FromText(VString(Sample(option.Form(), shown.Str())), error)) << error;
        VString const sample = option.Text();
        ASSERT_TRUE(option.FromText(sample, error)) << error;
        EXPECT_EQ(option.Text(), sample);
      }
      texts[option.Name()] = option.Text().Str();
    }
    EXPECT_TRUE(saved->IsModified());
    saved->Save(&key, false);
    Made loaded = subject.make(*store.Root());
    VOptionList const reloaded(*loaded);
    for (VOption const& option : reloaded.Options()) {
      SCOPED_TRACE(option.Name());
      ASSERT_TRUE(texts.contains(option.Name())) << "an option the saved record did not have";
      EXPECT_TRUE(subject.repaired.contains(option.Name()) || option.Text().Str() == texts[option.Name()])
          << option.Text().Str() << " saved as " << texts[option.Name()];
    }
  }
}

TEST_F(VOptionTablesTest, NamesAreFoundIgnoringCaseAndRefusalsNameTheOption) {
  Made record = LabSession(*store.Root());
  SetProtocols(*record, {{"Protocol Name", "SSH2"}});
  VOptionList const list(*record);
  VOption const* port = list.Find("ssh2 PORT");
  ASSERT_NE(port, nullptr);
  EXPECT_STREQ(port->Name(), "SSH2 Port");
  EXPECT_EQ(list.Find("Telnet Port"), nullptr);
  VString error;
  VOption const* protocol = list.Find("protocol name");
  ASSERT_NE(protocol, nullptr);
  EXPECT_FALSE(protocol->FromText("SFTP", error));
  EXPECT_EQ(error, "\"Protocol Name\" is a protocol of this side: SSH2 SSH1 Telnet RLogin Serial TAPI None, not \"SFTP\"");
  ASSERT_TRUE(protocol->FromText("telnet", error));
  EXPECT_EQ(protocol->Text(), "Telnet");
  EXPECT_NE(VOptionList(*record).Find("Telnet Port"), nullptr);
}

}  // namespace
