// Registered message names and broadcasts between processes of one user.
#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstring>
#include <filesystem>
#include <tuple>

#include "platform/notify/BroadcastListener.h"
#include "platform/notify/RegisteredMessages.h"
#include "platform/registry/Registry.h"
#include "support/ChildProcess.h"
#include "support/ScopedRoot.h"

namespace {

TEST(RegisteredMessagesTest, NamesGetTheSameIdentifierInEveryProcessFirstComeFirstServed) {
  ScopedRoot root;
  EXPECT_EQ(0u, RegisterWindowMessage(nullptr));
  EXPECT_EQ(0u, RegisterWindowMessage(""));
  EXPECT_EQ(0xC000u, RegisterWindowMessage("First"));
  ASSERT_EQ(ERROR_SUCCESS, RegUnloadHives());
  EXPECT_EQ(0, ExitOf(ForkChild([] {
    return RegisterWindowMessage("Second") == 0xC001 && RegisterWindowMessage("FIRST") == 0xC000;
  })));
  EXPECT_EQ(0xC001u, RegisterWindowMessage("second")) << "names compare without regard to case";
  EXPECT_EQ(0xC002u, RegisterWindowMessage("Third"));
}

TEST(BroadcastTest, AMessagePostedByAnotherProcessArrivesWhole) {
  ScopedRoot root;
  BroadcastListener listener;
  ASSERT_TRUE(listener.IsOpen());
  BroadcastMessage message;
  EXPECT_FALSE(listener.Receive(message, 0)) << "nothing posted yet";
  pid_t const child = ForkChild([] { return PostBroadcast(0xC123, 0xFFFFFFFFFFull, -42) == 1; });
  ASSERT_TRUE(listener.Receive(message, 10000));
  EXPECT_EQ(std::tuple(0xC123u, child, 0xFFFFFFFFFFull, -42),
            std::tuple(message.message, message.sender, message.wParam, message.lParam));
  EXPECT_FALSE(BroadcastListener::IsOwnPost(message));
  EXPECT_EQ(0, ExitOf(child));
}

TEST(BroadcastTest, SocketsOfListenersThatAreGoneAreRemovedByThePoster) {
  ScopedRoot root;
  BroadcastListener listener;
  // A socket bound and closed without removing its file, as a killed process leaves it.
  std::string const stale = BroadcastFolder() + "/999999-0.sock";
  int const dead = socket(AF_UNIX, SOCK_DGRAM, 0);
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  std::strcpy(address.sun_path, stale.c_str());
  ASSERT_EQ(0, bind(dead, reinterpret_cast<sockaddr*>(&address), sizeof(address)));
  close(dead);
  EXPECT_EQ(1, PostBroadcast(0xC000, 0, 0));
  EXPECT_FALSE(std::filesystem::exists(stale));
  BroadcastMessage message;
  ASSERT_TRUE(listener.Receive(message, 0));
  EXPECT_TRUE(BroadcastListener::IsOwnPost(message));
}

}  // namespace
