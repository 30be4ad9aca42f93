#include <gtest/gtest.h>

#include <algorithm>

#include "VMemoryStoreFactory.h"
#include "VProfile2.h"
#include "VProfileEncodedString.h"
#include "VProfileMultiLineString.h"
#include "VProfileStore.h"
#include "VProfileTable.h"
#include "support/Golden.h"
#include "support/KeyDump.h"

namespace {

// A record without persisted members.
struct EmptyRecord : VProfileRecord {
  explicit EmptyRecord(VProfileKey* key = nullptr) { Load(key); }
  VProfileOptionTable const& ProfileTable() const override { return _profileOffsets; }
  static VProfileTable<EmptyRecord> const _profileOffsets;
};
VProfileTable<EmptyRecord> const EmptyRecord::_profileOffsets{};

// A record made to be nested: its options go into the enclosing record's key.
struct SampleTerminal : VProfileRecord {
  explicit SampleTerminal(VProfileKey* key = nullptr) { Load(key); }
  VProfileOptionTable const& ProfileTable() const override { return _profileOffsets; }
  VProfile<int> rows;
  VProfile<bool> beep;
  VProfile2<VString, VProfileSz> emulation;
  static VProfileTable<SampleTerminal> const _profileOffsets;
};
VProfileTable<SampleTerminal> const SampleTerminal::_profileOffsets{
    {"Rows", &SampleTerminal::rows, 24}, {"Beep", &SampleTerminal::beep, false},
    {"Emulation", &SampleTerminal::emulation, "VT100"}};

struct SampleRect {
  int32_t left, top, right, bottom;
  bool operator==(SampleRect const&) const = default;
};

// A record with one option of every kind, a nested record in the middle of its table, and a
// version number outside the table that it loads by hand and writes from SaveExtra.
struct SampleSession : VProfileRecord {
  explicit SampleSession(VProfileKey* key = nullptr) {
    Load(key);
    version.SetName("Format Version");
    version.Load(key, 2);
  }
  VProfileOptionTable const& ProfileTable() const override { return _profileOffsets; }
  void SaveExtra(VProfileKey* key, bool force) override { version.Save(key, force); }
  VProfile<int> port;
  VProfile<unsigned int> colour;
  VProfile<bool> useTitleBar;
  VProfile2<VString, VProfileSz> title;
  VProfileEncodedString password;
  VProfile2<SampleRect, VProfileBinary> window;
  VProfileMultiLineString loginScript;
  SampleTerminal terminal;
  VProfile2<VStringArray, VProfileMultiSz> hosts;
  VProfile<int> version;
  static VProfileTable<SampleSession> const _profileOffsets;
};
VProfileTable<SampleSession> const SampleSession::_profileOffsets{
    {"Port", &SampleSession::port, 22}, {"Colour", &SampleSession::colour, 0x00FF8000u},
    {"Use Title Bar", &SampleSession::useTitleBar, true}, {"Title", &SampleSession::title, "Untitled"},
    {"Password", &SampleSession::password, ""}, {"Window", &SampleSession::window, SampleRect{10, 20, 640, 480}},
    {"Login Script", &SampleSession::loginScript}, {&SampleSession::terminal},
    {"Hosts", &SampleSession::hosts, VStringArray{"a", "b"}},
};

using Stored = std::vector<std::pair<std::string, std::string>>;
using NameList = std::vector<std::string>;

// Writes a value given in its dump form ("dword 3", "sz \"text\"", "multi_sz \"a\" \"b\"", "binary 00ff");
// no text here holds a quote or an escape.
void Put(VProfileKey* key, std::string const& name, std::string const& dump) {
  std::string const kind = dump.substr(0, dump.find(' '));
  std::string const body = dump.substr(std::min(dump.size(), kind.size() + 1));
  VStringArray texts;
  for (size_t open = body.find('"'), close; open != std::string::npos; open = body.find('"', close + 1)) {
    close = body.find('"', open + 1);
    texts.Add(body.substr(open + 1, close - open - 1));
  }
  std::vector<unsigned char> bytes;
  for (size_t i = 0; kind == "binary" && i < body.size(); i += 2) bytes.push_back(std::stoul(body.substr(i, 2), nullptr, 16));
  bool const put = kind == "dword"      ? key->SetDword(name.c_str(), std::stoul(body))
                   : kind == "sz"       ? key->SetSz(name.c_str(), texts[0].Str().c_str())
                   : kind == "multi_sz" ? key->SetMultiSz(name.c_str(), texts)
                                        : key->SetBinary(name.c_str(), bytes.data(), bytes.size());
  ASSERT_TRUE(put) << name;
}

// Every value of the key in the key's order, with its dump form.
Stored Contents(VProfileKey* key) {
  Stored contents;
  for (std::string const& name : KeyNames(key, true)) contents.emplace_back(name, DumpValue(key, name));
  return contents;
}

std::string Dumped(Stored const& contents) {
  std::string dump;
  for (auto const& [name, form] : contents) dump += name + " = " + form + "\n";
  return dump;
}

NameList Names(Stored const& contents) {
  NameList names;
  for (auto const& [name, form] : contents) names.push_back(name);
  return names;
}

// Every option away from its default; an empty list and the largest unsigned number as boundaries.
Stored const kChanged = {
    {"Format Version", "dword 3"}, {"Port", "dword 4022"}, {"Colour", "dword 4294967295"}, {"Use Title Bar", "dword 0"},
    {"Title", "sz \"My Host\""}, {"Password", "sz \"" + VProfileEncodedString::Encode("s3cret").Str() + "\""},
    {"Window", "binary ffffffff0000000080070000" "38040000"}, {"Login Script", "multi_sz \"wait login:\" \"send me\""},
    {"Rows", "dword 50"}, {"Beep", "dword 1"}, {"Emulation", "sz \"Xterm\""}, {"Hosts", "multi_sz"},
};

class VProfileRecordTest : public ::testing::Test {
 protected:
  void SetUp() override {
    for (auto it = kChanged.rbegin(); it != kChanged.rend(); ++it) Put(changed, it->first, it->second);
  }
  // A new empty key: what a save writes into it is exactly what the save wrote.
  VProfileKey* Fresh() {
    keys.push_back(std::make_unique<VProfileKey>(store.Root(), ("Out " + std::to_string(keys.size())).c_str()));
    return keys.back().get();
  }
  Stored Saved(VProfileRecord& record, bool force) {
    VProfileKey* out = Fresh();
    record.Save(out, force);
    return Contents(out);
  }
  NameList Written(VProfileRecord& record, bool force) { return Names(Saved(record, force)); }

  VMemoryStoreFactory factory;
  VProfileStore store{&factory};
  std::vector<std::unique_ptr<VProfileKey>> keys;
  VProfileKey* changed = Fresh();
};

TEST_F(VProfileRecordTest, EmptyKeyGivesDefaultsThatTheFirstSaveWrites) {
  SampleSession session(nullptr);
  EXPECT_FALSE(session.IsModified());
  for (VProfileRecord const* record : std::initializer_list<VProfileRecord const*>{&session, &session.terminal})
    for (int i = 0; i < record->ProfileTable().Count(); ++i)
      EXPECT_TRUE(record->ProfileTable().Kind(i) == VProfileKind::Record || record->Lookup(i)->IsDirty()) << i;
  ExpectGolden("vutils/sample_record_defaults.txt", Dumped(Saved(session, false)));
  EXPECT_TRUE(Written(session, false).empty());
}

// Values written in another order come back in table order, nested values in the nested
// record's place, after what SaveExtra writes.
TEST_F(VProfileRecordTest, EveryRowRoundTripsInTableOrder) {
  SampleSession session(changed);
  EXPECT_FALSE(session.IsModified());
  EXPECT_TRUE(session.terminal.emulation == "Xterm" && session.password == "s3cret");
  EXPECT_TRUE(Written(session, false).empty());
  Stored contents = Saved(session, true);
  ASSERT_EQ(Names(contents), Names(kChanged));
  std::string& password = contents[5].second;
  EXPECT_EQ(password.size(), std::string("sz \"\"").size() + 8 + 2 * 6);
  EXPECT_EQ(VProfileEncodedString::Decode(password.substr(4, password.size() - 5).c_str()), "s3cret");
  password = kChanged[5].second;
  EXPECT_EQ(contents, kChanged);
}

TEST_F(VProfileRecordTest, SaveWithoutForceWritesOnlyChangedOrDirtyMembers) {
  struct Case { char const* what; std::function<void(SampleSession&)> edit; bool modified; NameList written; };
  Case const cases[] = {
      {"nothing", [](SampleSession&) {}, false, {}},
      {"number", [](SampleSession& s) { s.port = 23; }, true, {"Port"}},
      {"nested", [](SampleSession& s) { s.terminal.rows = 30; }, true, {"Rows"}},
      {"encoded", [](SampleSession& s) { s.password = "x"; }, true, {"Password"}},
      {"binary", [](SampleSession& s) { s.window.bottom = 1; }, true, {"Window"}},
      {"lines", [](SampleSession& s) { s.loginScript.SetText("a\nb"); }, true, {"Login Script"}},
      {"two", [](SampleSession& s) { s.hosts.Add("c"); s.terminal.beep = false; }, true, {"Beep", "Hosts"}},
      {"by hand", [](SampleSession& s) { s.version = 4; }, false, {"Format Version"}},
      {"rolled back",
       [](SampleSession& s) { s.port = 23; s.terminal.beep = false; s.loginScript.RemoveAll(); s.Rollback(); }, false,
       {}},
      {"checkpointed", [](SampleSession& s) { s.title = "t"; s.terminal.emulation = "e"; s.Checkpoint(); }, false,
       {"Title", "Emulation"}},
  };
  for (Case const& c : cases) {
    SampleSession session(changed);
    c.edit(session);
    EXPECT_EQ(session.IsModified(), c.modified) << c.what;
    EXPECT_EQ(Written(session, false), c.written) << c.what;
    EXPECT_TRUE(Written(session, false).empty()) << c.what;
  }
}

TEST_F(VProfileRecordTest, ApplyDeltaTakesExactlyTheSourcesChanges) {
  SampleSession source;
  source.port = 2222;
  source.terminal.emulation = "ANSI";
  SampleSession target(changed);
  target.ApplyDelta(&source);
  EXPECT_TRUE(target.port == 2222 && target.terminal.emulation == "ANSI");
  EXPECT_TRUE(target.title == "My Host" && target.terminal.rows == 50);
  EXPECT_TRUE(target.IsModified());
  EXPECT_EQ(Written(target, false), (NameList{"Port", "Emulation"}));
  SampleSession committed;
  committed.title = "Committed";
  committed.Checkpoint();
  SampleSession untouched(changed);
  EmptyRecord other;
  VProfileData const* const deltas[] = {&committed, &other, &source.port, nullptr};
  for (VProfileData const* delta : deltas) untouched.ApplyDelta(delta);
  EXPECT_FALSE(untouched.IsModified());
  EXPECT_EQ(untouched.title, "My Host");
  // A record without members is never modified nor written.
  EmptyRecord record(changed);
  record.Checkpoint();
  record.Rollback();
  record.ApplyDelta(&other);
  EXPECT_FALSE(record.IsModified());
  EXPECT_TRUE(Written(record, false).empty() && Written(record, true).empty());
}

// How an edit of the default session reaches a stored session that lacks most options: the
// defaults with the edits and the values the key held, in name order.
TEST_F(VProfileRecordTest, DeltaOfADefaultRecordCarriedIntoASparseKey) {
  SampleSession defaults;
  defaults.useTitleBar = false;
  defaults.terminal.rows = 60;
  VProfileKey* sparse = Fresh();
  Put(sparse, "Title", "sz \"Kept\"");
  Put(sparse, "Rows", "dword 40");
  SampleSession session(sparse);
  session.Checkpoint();
  session.ApplyDelta(&defaults);
  session.Save(sparse, true);
  Stored contents = Contents(sparse);
  std::sort(contents.begin(), contents.end());
  ExpectGolden("vutils/sample_record_delta.txt", Dumped(contents));
}

TEST_F(VProfileRecordTest, CopiesOwnTheirMembersAndAssignmentWritesEverything) {
  SampleSession original(changed);
  SampleSession copy(original);
  copy.terminal.rows = 1;
  EXPECT_TRUE(original.terminal.rows == 50 && copy.port == 4022);
  auto const* begin = reinterpret_cast<char const*>(&copy);
  for (int i = 0; i < copy.ProfileTable().Count(); ++i) {
    auto const* member = reinterpret_cast<char const*>(copy.Lookup(i));
    EXPECT_TRUE(member >= begin && member < begin + sizeof copy) << i;
  }
  EXPECT_EQ(Written(copy, false), NameList{"Rows"});
  SampleSession assigned;
  assigned.Save(Fresh(), false);
  assigned = original;
  EXPECT_EQ(assigned.title, "My Host");
  EXPECT_EQ(Written(assigned, false), Names(kChanged));
}

}  // namespace
