#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <string>

#include "VProfileKey.h"
#include "VProfileStore.h"
#include "VRegistryStoreFactory.h"
#include "database/SessionDatabase.h"
#include "platform/registry/Registry.h"
#include "session/SessionConfig.h"
#include "support/KillingStoreFactory.h"
#include "support/ScopedRoot.h"

namespace {

VProfileStoreFactory* installed = nullptr;
VProfileStoreFactory* Installed() { return installed; }

struct Seen {
  int updated = 0;
  int unchanged = 0;
  int mixed = 0;
};

void Classify(VProfileKey& key, char const*, char const*, void* context) {
  VString title;
  VString idle;
  key.GetSz("Title Bar", title);
  key.GetSz("Idle String", idle);
  Seen& seen = *static_cast<Seen*>(context);
  bool const newTitle = title == "new title";
  bool const newIdle = idle == "new idle";
  if (newTitle && newIdle) ++seen.updated;
  else if (!newTitle && !newIdle) ++seen.unchanged;
  else ++seen.mixed;
}

// A process killed halfway through applying a change to 2,000 sessions (on the real hive
// files) leaves no session half changed, and the tree still reads.
TEST(SessionDatabaseInterruptionTest, KilledApplyDeltaLeavesNoSessionHalfChanged) {
  ScopedRoot root;
  VRegistryStoreFactory factory(HKEY_CURRENT_USER, "SOFTWARE\\Brimvale\\Interrupted");
  installed = &factory;
  VProfileStoreFactoryGetter const previous = GetProfileStoreFactoryGetter();
  SetProfileStoreFactoryGetter(&Installed);
  SessionDatabase db(0);
  {
    VProfileStore seeding;
    ISessionConfig* session = CreateSessionConfig("s", nullptr);
    for (int folder = 0; folder < 20; ++folder) {
      std::string const name = "folder" + std::to_string(folder);
      db.InsertFolder("", name, "", true);
      for (int n = 0; n < 100; ++n) db.InsertSession(name, "s" + std::to_string(n), session, "", true);
    }
    session->Release();
  }
  ISessionConfig* delta = db.Lookup("Default");
  delta->Checkpoint();
  static_cast<SessionConfig*>(delta)->titleBar = "new title";
  static_cast<SessionConfig*>(delta)->idleString = "new idle";
  ASSERT_EQ(RegUnloadHives(), ERROR_SUCCESS);

  pid_t const child = fork();
  if (child == 0) {
    // About halfway: each session writes the two values the delta changed.
    KillingStoreFactory killing(factory, 1000L * 2);
    installed = &killing;
    db.EnumAndApplyDelta(delta);
    _exit(0);
  }
  delta->Release();
  int status = 0;
  ASSERT_EQ(waitpid(child, &status, 0), child);
  EXPECT_TRUE(WIFSIGNALED(status));

  Seen seen;
  SessionDatabase::EnumAllSessions(&Classify, &seen);
  EXPECT_EQ(seen.mixed, 0);
  EXPECT_EQ(seen.updated + seen.unchanged, 2001);
  CStringList folders;
  db.GetFolderList("", folders);
  EXPECT_EQ(folders.GetCount(), 20);
  SetProfileStoreFactoryGetter(previous);
}

}  // namespace
