#include "session/ConnectConfigPtr.h"

#include <variant>

#include "connectdialog/session/ProtocolSides.h"
#include "session/CommonConfig.h"
#include "session/NoneConfig.h"
#include "support/Joined.h"

namespace {

using Side = ConnectConfigPtr;
using ConnectConfigPtrTest = ProtocolSides;

TEST_F(ConnectConfigPtrTest, ConstructionSelectsTheStoredOrFirstFittingProtocol) {
  using Stored = std::variant<std::monostate, char const*, unsigned long>;
  struct Case { unsigned kind; Stored stored; char const* protocol; int selected; bool wasBlank; };
  Case const cases[] = {
      {Side::Terminal, {}, "SSH2", kSsh2, false}, {Side::Terminal, "ssh2", "ssh2", kSsh2, false},
      {Side::Terminal, "Telnet", "Telnet", kTelnet, false}, {Side::Terminal, "none", "none", kNone, false},
      {Side::Terminal, "Kermit", "SSH2", kSsh2, false}, {Side::Terminal, "SFTP", "SSH2", kSsh2, false},
      {Side::Terminal, "", "SSH2", kSsh2, true}, {Side::Terminal, 5ul, "SSH2", kSsh2, false},
      {Side::Terminal, "TAPI", "TAPI", -1, false}, {Side::Transfer, {}, "SFTP", kSftp, false},
      {Side::Transfer, "Telnet", "SFTP", kSftp, false}, {Side::Transfer, "", "SFTP", kSftp, true},
  };
  for (Case const& c : cases) {
    MemoryKey key;
    char const* name = c.kind == Side::Terminal ? "Protocol Name" : "Transfer Protocol Name";
    if (auto const* text = std::get_if<char const*>(&c.stored)) key.key->SetSz(name, *text);
    if (auto const* number = std::get_if<unsigned long>(&c.stored)) key.key->SetDword(name, *number);
    CommonConfig common;
    Side side(key.key, c.kind, &common);
    EXPECT_EQ(Joined(side.Protocol(), side.SelectedIndex(), static_cast<ConnectConfig*>(side) != nullptr,
                     side.ProtocolWasBlank()), Joined(c.protocol, c.selected, c.selected >= 0, c.wasBlank))
        << "row " << &c - cases;
  }
}

TEST_F(ConnectConfigPtrTest, KindWithoutEntriesHasNoRecord) {
  GetConnectProtocolTable().RemoveAll();
  Register(folder.Base().c_str(), 10, 6);
  memory.key->SetSz("Protocol Name", "SSH2");
  Side side(memory.key, Side::Terminal, nullptr);
  EXPECT_EQ(Joined(side.Protocol(), side.SelectedIndex(), side.operator->() == nullptr, side.IsModified()), "|-1|1|0");
}

TEST_F(ConnectConfigPtrTest, RecordLoadsFromTheSessionKeyAndSavesIntoIt) {
  memory.key->SetSz("Protocol Name", "Telnet");
  memory.key->SetSz("Test Host", "alpha");
  Side side(memory.key, Side::Terminal, nullptr);
  EXPECT_EQ(side->GetHostname(), "alpha");
  EXPECT_EQ(memory.StoredDword("Test Port"), -1);
  side.Save(memory.key, false);
  EXPECT_EQ(memory.StoredDword("Test Port"), 22) << "the missing option is written with its default";
  MemoryKey target;
  side.Save(target.key, true);
  EXPECT_EQ(Joined(target.StoredSz("Protocol Name"), target.StoredSz("Test Host"), target.StoredDword("Test Port")),
            "Telnet|alpha|22");
}

TEST_F(ConnectConfigPtrTest, ABuiltSideSavesEverythingOnceAndNoneOnlyItsName) {
  Side side(nullptr, Side::Terminal, nullptr);
  side.Checkpoint();
  EXPECT_TRUE(side.IsDirty()) << "built from nothing: everything must be written";
  side.Save(memory.key, false);
  EXPECT_FALSE(side.IsDirty());
  EXPECT_EQ(memory.StoredSz("Protocol Name"), "SSH2");
  Side none(nullptr, Side::Terminal, nullptr);
  none.Checkpoint();
  none.SetProtocol("None", nullptr);
  EXPECT_EQ(none.SelectedIndex(), kNone);
  EXPECT_FALSE(none.IsModified()) << "None is never modified";
  MemoryKey saved;
  none.Save(saved.key, false);
  EXPECT_EQ(Joined(saved.StoredSz("Protocol Name"), saved.StoredSz("Test Host")), "None|<none>");
  none.SetProtocol("Telnet", nullptr);
  EXPECT_TRUE(none.IsModified());
}

TEST_F(ConnectConfigPtrTest, SwitchingCarriesSettingsAndKeepsEarlierRecords) {
  Side side(nullptr, Side::Terminal, nullptr);
  ConnectConfig* ssh2 = side;
  ssh2->SetHostname("alpha");
  ssh2->IsDefaultSession(1);
  side.SetProtocol("Telnet", nullptr);
  ConnectConfig* telnet = side;
  ASSERT_NE(telnet, ssh2);
  EXPECT_EQ(Joined(telnet->GetHostname(), telnet->IsDefaultSession()), "alpha|1");
  telnet->SetHostname("beta");
  side.SetProtocol("Telnet", nullptr);
  EXPECT_EQ(static_cast<ConnectConfig*>(side), telnet) << "the same name changes nothing";
  side.SetProtocol("SSH2", nullptr);
  EXPECT_EQ(static_cast<ConnectConfig*>(side), ssh2);
  EXPECT_EQ(ssh2->GetHostname(), "beta");
  side.SetProtocol("telnet", nullptr);  // the search after a switch is case-sensitive
  EXPECT_EQ(Joined(side.Protocol(), side.SelectedIndex(), side.operator->() == nullptr), "telnet|-1|1");
}

TEST_F(ConnectConfigPtrTest, RollbackReturnsToTheCheckpointAndDeltasApplyOnlyOnTheSameProtocol) {
  Side target(nullptr, Side::Terminal, nullptr);
  target.Checkpoint();
  target.SetProtocol("Telnet", nullptr);
  target->SetPort(2323);
  target.Rollback();
  EXPECT_EQ(Joined(target.Protocol(), target.SelectedIndex()), Joined("SSH2", kSsh2));
  target.SetProtocol("Telnet", nullptr);
  EXPECT_EQ(target->GetPort(), 22) << "records of other protocols roll back too";
  target.Rollback();
  for (char const* protocol : {"Telnet", "SSH2"}) {
    Side delta(nullptr, Side::Terminal, nullptr);
    delta.SetProtocol(protocol, nullptr);
    delta.Checkpoint();
    delta->SetPort(2222);
    target.ApplyDelta(&delta);
  }
  EXPECT_EQ(Joined(target->GetPort(), target.IsModified(), target.Protocol()), "2222|1|SSH2");
  Side other(nullptr, Side::Terminal, nullptr);
  other.Checkpoint();
  other.SetProtocol("Telnet", nullptr);
  other->SetPort(1);
  target.Rollback();
  target.ApplyDelta(&other);
  EXPECT_EQ(target->GetPort(), 22) << "a delta on another protocol changes nothing";
}

TEST_F(ConnectConfigPtrTest, CopiesTakeOnlyTheSelectedRecord) {
  Side side(nullptr, Side::Terminal, nullptr);
  side->SetHostname("alpha");
  side.SetProtocol("Telnet", nullptr);
  side->SetPort(2323);
  Side copy(side, nullptr);
  ASSERT_NE(static_cast<ConnectConfig*>(copy), static_cast<ConnectConfig*>(side));
  EXPECT_EQ(Joined(copy.Protocol(), copy->GetPort(), copy->GetHostname()), "Telnet|2323|alpha");
  copy.SetProtocol("SSH2", nullptr);
  EXPECT_EQ(copy->GetPort(), 22) << "a fresh SSH2 record: the original's was not copied";
  Side target(nullptr, Side::Terminal, nullptr);
  target.SetConnectConfig(side, nullptr);
  EXPECT_EQ(Joined(target.Protocol(), target->GetPort()), "Telnet|2323");
  side.SetProtocol("telnet", nullptr);
  target.SetConnectConfig(side, nullptr);
  EXPECT_EQ(Joined(target.Protocol(), target.operator->() == nullptr), "|1");
}

TEST(ValidateProtocolNameTest, AcceptsOnlyTheKindsNames) {
  struct Case { bool terminal; char const* name; bool accepted; };
  Case const cases[] = {{true, "ssh1", true},  {true, "RLOGIN", true}, {true, "None", true}, {true, "SFTP", false},
                        {true, "", false},     {false, "ftp", true},   {false, "SSH2", false},
                        {false, "None", true}, {true, "SSH2 ", false}};
  for (Case const& c : cases) {
    VString name = c.name;
    bool const accepted = ConnectConfigPtr::ValidateProtocolName(c.terminal, name);
    EXPECT_EQ(Joined(accepted, name), Joined(c.accepted, c.accepted ? c.name : "")) << c.name;
  }
}

TEST(ConnectConfigTest, CountsReferencesCopiesItsFlagsAndNoneKeepsTheBaseAnswers) {
  ConnectConfig* none = NoneConfig::Create(nullptr, nullptr);
  void* object = none;
  EXPECT_EQ(none->QueryInterface(IID{}, &object), E_NOINTERFACE);
  EXPECT_EQ(object, nullptr);
  EXPECT_EQ(Joined(none->IsModified(), none->GetFirewallName(), none->GetPort(), none->CanConnect()), "0|None|-1|0");
  none->IsDefaultSession(1);
  none->HasCommandLine(2);
  none->PluginField(3);
  EXPECT_EQ(none->AddRef(), 2u);
  ConnectConfig* clone = none->Clone(nullptr);
  EXPECT_EQ(Joined(clone->IsDefaultSession(), clone->HasCommandLine(), clone->PluginField()), "1|2|3");
  EXPECT_EQ(clone->Release(), 0u) << "a copy starts with one reference";
  EXPECT_EQ(none->Release(), 1u);
  EXPECT_EQ(none->Release(), 0u);
}

}  // namespace
