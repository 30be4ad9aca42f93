// A protocol table as a terminal host with file transfer would fill it, from copies of the
// test plug-in: SSH2 (index 0), Telnet (1), SFTP (2, transfer) and None (3). Emptied again at
// the end of the test.
#pragma once

#include <gtest/gtest.h>

#include "connectdialog/session/PluginFolder.h"
#include "session/ConnectProtocolTable.h"
#include "support/RegisterProtocolRow.h"
#include "vutils/MemoryKey.h"

class ProtocolSides : public testing::Test {
 protected:
  enum { kSsh2, kTelnet, kSftp, kNone };
  ProtocolSides() {
    GetConnectProtocolTable().RemoveAll();
    folder.Install("SSH2.so");
    folder.Install("Telnet.so");
    folder.Install("SFTP.so");
    for (auto [row, product] : {std::pair{4, 3}, {6, 3}, {10, 6}}) Register(folder.Base().c_str(), row, product);
    Register(nullptr, 0, 3);
  }
  ~ProtocolSides() override { GetConnectProtocolTable().RemoveAll(); }
  static void Register(char const* directory, int row, int productId) {
    ASSERT_TRUE(RegisterProtocolRow(directory, row, productId)) << row;
  }
  PluginFolder folder;
  MemoryKey memory;
};
