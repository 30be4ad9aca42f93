#include "database/GlobalConfigChangeListener.h"

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include "GlobalConfigWorld.h"

namespace {

TEST(GlobalConfigChangeListenerTest, AnotherHostsAnnouncementIsHeardAndOwnOnesAreNot) {
  GlobalConfigWorld world;
  GlobalConfigChangeListener listener;
  ASSERT_TRUE(listener.IsOpen());
  EXPECT_EQ(1, AnnounceGlobalConfigChange());
  EXPECT_FALSE(listener.Wait(0)) << "a host does not hear itself";
  ASSERT_EQ(ERROR_SUCCESS, RegUnloadHives());
  pid_t const child = fork();
  if (child == 0) {
    PostBroadcast(GlobalConfig::GetTraymindShowSelectionMessage(), 0, 0);
    _exit(AnnounceGlobalConfigChange() == 1 ? 0 : 1);
  }
  EXPECT_TRUE(listener.Wait(10000));
  int status = 0;
  ASSERT_EQ(child, waitpid(child, &status, 0));
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
  EXPECT_FALSE(listener.Wait(0)) << "the other message was passed over";
}

}  // namespace
