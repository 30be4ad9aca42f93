// A store that fails (full disk, read-only file, damaged file) is reported as what it is: the
// session database answers "not done" and VStoreFailure names the failure, never an empty or
// partial tree presented as the truth.
#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <string>

#include "VProfileStore.h"
#include "VStoreFailure.h"
#include "database/SessionDatabase.h"
#include "platform/registry/Registry.h"
#include "platform/types/FileConstants.h"
#include "session/SessionConfig.h"
#include "support/FaultyDiskVfs.h"
#include "support/InstalledRegistryStore.h"
#include "support/ScopedRoot.h"

namespace {

class SessionDatabaseStoreFailureTest : public testing::Test {
 protected:
  SessionDatabaseStoreFailureTest() {
    for (int i = 0; i < kSessions; ++i) Add("Lab", "s" + std::to_string(i));
    RegUnloadHives();  // the next call opens the file afresh, through whatever disk is installed
    VStoreFailure::Clear();
  }
  ~SessionDatabaseStoreFailureTest() override {
    RegUnloadHives();
  }

  bool Add(std::string const& folder, std::string const& name) {
    ISessionConfig* session = CreateSessionConfig(name.c_str(), nullptr);
    bool const added = m_db.InsertSession(folder.c_str(), name.c_str(), session, "", true);
    session->Release();
    return added;
  }
  int SessionCount() {
    CStringList sessions;
    m_db.GetSessionList("Lab", sessions);
    return sessions.GetCount();
  }

  static constexpr int kSessions = 40;
  ScopedRoot m_root;
  InstalledRegistryStore m_store{"SOFTWARE\\Brimvale\\Failures"};
  SessionDatabase m_db{0};
};

TEST_F(SessionDatabaseStoreFailureTest, WritesThatTheDiskRefusesAreReportedAndChangeNothing) {
  struct Case {
    FaultyDiskVfs::Fault fault;
    long code;
  };
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
      EXPECT_FALSE(Add("Lab", "new"));
      EXPECT_EQ(VStoreFailure::Code(), c.code);
      VStoreFailure::Clear();
      EXPECT_FALSE(m_db.Remove("Lab\\s1"));
      EXPECT_EQ(VStoreFailure::Code(), c.code);
      EXPECT_NE(VStoreFailure::Describe().find("registry.db"), std::string::npos) << VStoreFailure::Describe();
      RegUnloadHives();
    }
    EXPECT_EQ(SessionCount(), kSessions);
    EXPECT_TRUE(m_db.Exists("Lab\\s1"));
    EXPECT_FALSE(m_db.Exists("Lab\\new"));
  }
}

TEST_F(SessionDatabaseStoreFailureTest, ADamagedFileIsReportedNotListedAsEmptyOrAsFolders) {
  std::string const file = m_root.File("user/registry.db");
  struct Case {
    char const* name;
    std::function<void(std::fstream&)> damage;
  };
  Case const cases[] = {
      {"three zeroed pages in the middle",
       [](std::fstream& f) {
         f.seekg(0, std::ios::end);
         auto const middle = (static_cast<long>(f.tellg()) / 2) / 4096 * 4096;
         f.seekp(middle);
         std::string const zeros(3 * 4096, '\0');
         f.write(zeros.data(), static_cast<std::streamsize>(zeros.size()));
       }},
      {"garbage over the header", [](std::fstream& f) { f.write("not a store at all, just text", 29); }},
  };
  for (Case const& c : cases) {
    SCOPED_TRACE(c.name);
    {
      std::fstream f(file, std::ios::in | std::ios::out | std::ios::binary);
      ASSERT_TRUE(f.is_open());
      c.damage(f);
    }
    VStoreFailure::Clear();
    CStringList folders;
    m_db.GetFolderList("Lab", folders);
    int const listed = SessionCount();
    int found = 0;
    for (int i = 0; i < kSessions; ++i) {
      ISessionConfig* session = m_db.Lookup(("Lab\\s" + std::to_string(i)).c_str());
      if (session) session->Release();
      found += session ? 1 : 0;
    }
    EXPECT_EQ(VStoreFailure::Code(), ERROR_BADDB)
        << "listed " << listed << " sessions and " << folders.GetCount() << " folders, found " << found;
    RegUnloadHives();
  }
}

}  // namespace
