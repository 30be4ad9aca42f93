// The session database on the real hive files: moves and renames, trees deeper than the registry
// allows, a process killed halfway through a change, and stores that fail.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fstream>
#include <functional>

#include "VProfileKey.h"
#include "VProfilePrivateKey.h"
#include "VProfilePrivateStore.h"
#include "VProfileStore.h"
#include "VProfileStoreFactory.h"
#include "VRegistryStoreFactory.h"
#include "VStoreFailure.h"
#include "platform/types/FileConstants.h"
#include "support/DeepKeyChain.h"
#include "support/FaultyDiskVfs.h"
#include "support/InstalledRegistryStore.h"
#include "support/Joined.h"
#include "support/ScopedRoot.h"
#include "support/SessionTree.h"

namespace {

// Fault injection: a store factory that forwards to another and kills the process (SIGKILL, as
// a crash or a power cut would) at a chosen value write, so that a test can check what a unit
// of work left behind. Use it in a forked child only.
class KillingStoreFactory : public VProfileStoreFactory {
 public:
  KillingStoreFactory(VProfileStoreFactory& inner, long killAtWrite) : m_inner(inner), m_writesLeft(killAtWrite) {}

  VProfilePrivateStore* CreateStore() override { return new Store(m_inner.CreateStore(), *this); }

 private:
  void Wrote() { if (--m_writesLeft <= 0) raise(SIGKILL); }

  class Key : public VProfilePrivateKey {
   public:
    Key(VProfilePrivateKey* inner, KillingStoreFactory& owner) : m_inner(inner), m_owner(owner) {}
    ~Key() override { delete m_inner; }
    bool GetMultiSz(char const* name, VStringArray& out) override { return m_inner->GetMultiSz(name, out); }
    bool GetBinary(char const* name, void* data, unsigned long& size) override {
      return m_inner->GetBinary(name, data, size);
    }
    bool GetSz(char const* name, VString& out) override { return m_inner->GetSz(name, out); }
    bool GetDword(char const* name, unsigned long& out) override { return m_inner->GetDword(name, out); }
    bool SetMultiSz(char const* name, VStringArray const& values) override {
      return Wrote(m_inner->SetMultiSz(name, values));
    }
    bool SetBinary(char const* name, void const* data, unsigned long length) override {
      return Wrote(m_inner->SetBinary(name, data, length));
    }
    bool SetSz(char const* name, char const* text) override { return Wrote(m_inner->SetSz(name, text)); }
    bool SetDword(char const* name, unsigned long value) override { return Wrote(m_inner->SetDword(name, value)); }
    bool DeleteValue(char const* name) override { return m_inner->DeleteValue(name); }
    bool DeleteKey(char const* name) override { return m_inner->DeleteKey(name); }
    bool KeyExists(char const* name) override { return m_inner->KeyExists(name); }
    bool IsWritable() override { return m_inner->IsWritable(); }
    VProfilePrivateKey* OpenKey(char const* name) override { return new Key(m_inner->OpenKey(name), m_owner); }
    VProfilePrivateKeyIterator* CreateIterator(bool values) override { return m_inner->CreateIterator(values); }

   private:
    bool Wrote(bool result) { return m_owner.Wrote(), result; }
    VProfilePrivateKey* m_inner;
    KillingStoreFactory& m_owner;
  };

  class Store : public VProfilePrivateStore {
   public:
    Store(VProfilePrivateStore* inner, KillingStoreFactory& owner) : m_inner(inner), m_owner(owner) {}
    ~Store() override { delete m_inner; }
    VProfilePrivateKey* OpenRoot(bool readOnly) override { return new Key(m_inner->OpenRoot(readOnly), m_owner); }

   private:
    VProfilePrivateStore* m_inner;
    KillingStoreFactory& m_owner;
  };

  VProfileStoreFactory& m_inner;
  long m_writesLeft;
};

constexpr char kKey[] = "SOFTWARE\\Brimvale\\Hive";

class SessionDatabaseHiveTest : public testing::Test {
 protected:
  // The title bar stored at `path`, "<missing>" when no key is there.
  static std::string Title(std::string const& path) {
    VProfileStore store(true, nullptr);
    if (!store.Root()->KeyExists(("Sessions\\" + path).c_str())) return "<missing>";
    VString title;
    return VProfileKey(store.Root(), ("Sessions\\" + path).c_str()).GetSz("Title Bar", title) ? title.Str() : "";
  }
  // The names below `folder` as stored (the real spelling, not the asked one), folders first.
  std::string StoredNames(std::string const& folder) {
    std::string names;
    for (auto const& name : FolderNames(m_db, folder)) names += name + ":";
    for (auto const& name : SessionNames(m_db, folder)) names += name + ":";
    return names;
  }
  ScopedRoot m_root;
  InstalledRegistryStore m_store{kKey};
  SessionDatabase m_db{0};
};

using SessionDatabaseMoveTest = SessionDatabaseHiveTest;

// Refusals keep the source; then case-only renames of the longest name and a folder keep everything.
TEST_F(SessionDatabaseMoveTest, RefusedRenamesKeepTheSourceAndCaseOnlyRenamesKeepEverything) {
  std::string const lower(SessionDatabase::kMaxNameBytes, 'a'), upper(SessionDatabase::kMaxNameBytes, 'A');
  ASSERT_TRUE(AddSession(m_db, "S1", "one") && AddSession(m_db, "S2", "two") && AddSession(m_db, "F\\inner", "in"));
  EXPECT_FALSE(m_db.InsertFolder("", lower + "a", "", true));
  EXPECT_FALSE(m_db.Rename("S1", lower + "a", "S1"));
  EXPECT_FALSE(m_db.Rename("S1", "s2", "S1")) << "another entry's name";
  EXPECT_FALSE(m_db.Move("S1", "", "", true)) << "its own folder";
  EXPECT_FALSE(m_db.Move("F", "f", "", true)) << "into itself";
  EXPECT_EQ(Joined(StoredNames(""), StoredNames("F"), Title("S1"), Title("S2"), Title("F\\inner")),
            "F:S1:S2:|inner:|one|two|in");
  ASSERT_TRUE(AddSession(m_db, lower, "kept"));
  EXPECT_TRUE(m_db.Rename(lower, upper, lower));
  EXPECT_TRUE(m_db.Rename("F", "f", "F"));
  EXPECT_EQ(Joined(StoredNames(""), Title(upper), Title("f\\inner")), "f:S1:S2:" + upper + ":|kept|in");
  EXPECT_TRUE(m_db.Move(upper, "f", "", true));
  EXPECT_EQ(Joined(StoredNames("f"), Title("f\\" + upper), Title(lower)), "inner:" + upper + ":|kept|<missing>");
}

struct Visited {
  std::vector<std::string> names;
  size_t longestPath = 0;
};

void Record(VProfileKey&, char const* path, char const* name, void* context) {
  auto& visited = *static_cast<Visited*>(context);
  visited.names.push_back(name);
  visited.longestPath = std::max(visited.longestPath, std::string(path).size());
}

using SessionDatabaseDepthTest = SessionDatabaseHiveTest;

// Session trees that an older build let grow deeper than the registry now allows: every walk finishes.
TEST_F(SessionDatabaseDepthTest, EveryWalkFinishesOnATreeDeeperThanTheLimit) {
  constexpr int kLevels = 100000;
  ASSERT_TRUE(AddSession(m_db, "top") && m_db.InsertFolder("", "deep", "", true));
  ASSERT_EQ(ERROR_SUCCESS, RegUnloadHives());
  ASSERT_TRUE(AddDeepKeyChain(m_root.File("user/registry.db"), {"software", "brimvale", "hive", "sessions", "deep"},
                              kLevels, "f", true));
  // Made first: the default session it stands for may be stored on the way.
  SessionHolder delta(static_cast<SessionConfig*>(CreateSessionConfig("Default", nullptr)));
  ASSERT_NE(nullptr, delta);
  delta->Checkpoint();
  delta->titleBar = "applied";
  // "deep" and every level below it are folders; the last level is the session "f".
  Visited all;
  SessionDatabase::EnumAllSessions(&Record, &all);
  ASSERT_FALSE(all.names.empty());  // the path of the deepest session is whole
  EXPECT_EQ(Joined(all.names.front(), all.names.back(), all.longestPath), Joined("f", "top", 4u + 2 * kLevels));
  m_db.EnumAndSetAllBoolValues("Flag", true);
  Visited flagged;
  SessionDatabase::EnumAllSessions(
      [](VProfileKey& key, char const*, char const* name, void* context) {
        unsigned long flag = 0;
        if (key.GetDword("Flag", flag) && flag == 1) static_cast<Visited*>(context)->names.push_back(name);
      },
      &flagged);
  EXPECT_EQ(all.names, flagged.names);
  GlobalChangeTally const tally = m_db.EnumAndApplyDelta(delta.get());
  EXPECT_EQ(Joined(tally.visited, tally.updated), Joined(all.names.size(), all.names.size()));
  EXPECT_TRUE(m_db.Remove("deep"));
  EXPECT_FALSE(SessionDatabase::Exists("deep"));
  Visited left;
  SessionDatabase::EnumAllSessions(&Record, &left);
  all.names.erase(all.names.begin());
  EXPECT_EQ(all.names, left.names);
}

struct Seen {
  int updated = 0, unchanged = 0, mixed = 0;
};

void Classify(VProfileKey& key, char const*, char const*, void* context) {
  VString title, idle;
  key.GetSz("Title Bar", title);
  key.GetSz("Idle String", idle);
  Seen& seen = *static_cast<Seen*>(context);
  bool const newTitle = title == "new title";
  bool const newIdle = idle == "new idle";
  ++(newTitle && newIdle ? seen.updated : !newTitle && !newIdle ? seen.unchanged : seen.mixed);
}

// A process killed halfway through applying a change to 2,000 sessions leaves no session half
// changed, and the tree still reads.
using SessionDatabaseInterruptionTest = SessionDatabaseHiveTest;
TEST_F(SessionDatabaseInterruptionTest, KilledApplyDeltaLeavesNoSessionHalfChanged) {
  {
    VProfileStore seeding;
    SessionHolder session(static_cast<SessionConfig*>(CreateSessionConfig("s", nullptr)));
    for (int folder = 0; folder < 20; ++folder) {
      std::string const name = "folder" + std::to_string(folder);
      m_db.InsertFolder("", name, "", true);
      for (int n = 0; n < 100; ++n) m_db.InsertSession(name, "s" + std::to_string(n), session.get(), "", true);
    }
  }
  SessionHolder delta(static_cast<SessionConfig*>(m_db.Lookup("Default")));
  delta->Checkpoint();
  delta->titleBar = "new title";
  delta->idleString = "new idle";
  ASSERT_EQ(RegUnloadHives(), ERROR_SUCCESS);
  pid_t const child = fork();
  if (child == 0) {
    // About halfway: each session writes the two values the delta changed.
    static VRegistryStoreFactory hive(HKEY_CURRENT_USER, kKey);
    static KillingStoreFactory killing(hive, 1000L * 2);
    SetProfileStoreFactoryGetter([]() -> VProfileStoreFactory* { return &killing; });
    m_db.EnumAndApplyDelta(delta.get());
    _exit(0);
  }
  int status = 0;
  ASSERT_EQ(waitpid(child, &status, 0), child);
  EXPECT_TRUE(WIFSIGNALED(status));
  Seen seen;
  SessionDatabase::EnumAllSessions(&Classify, &seen);
  EXPECT_EQ(Joined(seen.mixed, seen.updated + seen.unchanged, FolderNames(m_db, "").size()), "0|2001|20");
}

// A store that fails (full disk, read-only file, damaged file) is reported as what it is: the
// database answers "not done" and VStoreFailure names the failure, never an empty or partial
// tree presented as the truth.
class SessionDatabaseStoreFailureTest : public SessionDatabaseHiveTest {
 protected:
  SessionDatabaseStoreFailureTest() {
    for (int i = 0; i < kSessions; ++i) AddSession(m_db, "Lab\\s" + std::to_string(i));
    RegUnloadHives();  // the next call opens the file afresh, through whatever disk is installed
    VStoreFailure::Clear();
  }
  ~SessionDatabaseStoreFailureTest() override { RegUnloadHives(); }
  int SessionCount() { return static_cast<int>(SessionNames(m_db, "Lab").size()); }
  static constexpr int kSessions = 40;
};

TEST_F(SessionDatabaseStoreFailureTest, WritesThatTheDiskRefusesAreReportedAndChangeNothing) {
  struct Case { FaultyDiskVfs::Fault fault; long code; };
  for (Case const c : {Case{FaultyDiskVfs::Fault::DiskFull, ERROR_DISK_FULL},
                       Case{FaultyDiskVfs::Fault::ReadOnly, ERROR_ACCESS_DENIED}}) {
    SCOPED_TRACE(static_cast<int>(c.fault));
    {
      FaultyDiskVfs disk;
      FaultyDiskVfs::Set(c.fault);
      RegUnloadHives();
      VStoreFailure::Clear();
      EXPECT_EQ(SessionCount(), kSessions) << "reading needs no write";
      EXPECT_FALSE(VStoreFailure::Any()) << VStoreFailure::Describe();
      EXPECT_FALSE(AddSession(m_db, "Lab\\new"));
      EXPECT_EQ(VStoreFailure::Code(), c.code);
      VStoreFailure::Clear();
      EXPECT_FALSE(m_db.Remove("Lab\\s1"));
      EXPECT_EQ(VStoreFailure::Code(), c.code);
      EXPECT_NE(VStoreFailure::Describe().find("registry.db"), std::string::npos) << VStoreFailure::Describe();
      RegUnloadHives();
    }
    EXPECT_EQ(Joined(SessionCount(), m_db.Exists("Lab\\s1"), m_db.Exists("Lab\\new")), Joined(kSessions, true, false));
  }
}

TEST_F(SessionDatabaseStoreFailureTest, ADamagedFileIsReportedNotListedAsEmptyOrAsFolders) {
  struct Case { char const* name; std::function<void(std::fstream&)> damage; };
  Case const cases[] = {
      {"three zeroed pages in the middle",
       [](std::fstream& f) {
         f.seekg(0, std::ios::end);
         f.seekp((static_cast<long>(f.tellg()) / 2) / 4096 * 4096);
         std::string const zeros(3 * 4096, '\0');
         f.write(zeros.data(), static_cast<std::streamsize>(zeros.size()));
       }},
      {"garbage over the header", [](std::fstream& f) { f.write("not a store at all, just text", 29); }},
  };
  for (Case const& c : cases) {
    SCOPED_TRACE(c.name);
    {
      std::fstream f(m_root.File("user/registry.db"), std::ios::in | std::ios::out | std::ios::binary);
      ASSERT_TRUE(f.is_open());
      c.damage(f);
    }
    VStoreFailure::Clear();
    size_t const folders = FolderNames(m_db, "Lab").size();
    int const listed = SessionCount();
    int found = 0;
    for (int i = 0; i < kSessions; ++i) {
      SessionHolder session(static_cast<SessionConfig*>(m_db.Lookup(("Lab\\s" + std::to_string(i)).c_str())));
      found += session != nullptr;
    }
    EXPECT_EQ(VStoreFailure::Code(), ERROR_BADDB)
        << "listed " << listed << " sessions and " << folders << " folders, found " << found;
    RegUnloadHives();
  }
}

}  // namespace
