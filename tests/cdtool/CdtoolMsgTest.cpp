#include <gtest/gtest.h>

#include "support/CdtoolRunner.h"

namespace {

using CdtoolMsgTest = CdtoolTest;

TEST_F(CdtoolMsgTest, PrintsReportTextsWithInsertsInCommandLineOrder) {
  ExpectSteps({
      {"msg A1600004 --num 12 --num 3", 0,
       "Of your 12 sessions, 3 could not be updated because they are currently read-only.\r\n"},
      {"msg 0xe1600007 --str k.map --str 'line 4: bad'", 0, "Unable to load keymap file: k.map\r\n\r\nline 4: bad\r\n"},
      {"msg 0xE1600007 --str k.map --str x --json", 0,
       "{\"code\":\"0xE1600007\",\"text\":\"Unable to load keymap file: k.map\\r\\n\\r\\nx\\r\\n\"}\n"},
      {"msg E160000C --num 5", 0, "The protocol %1 is not supported in this version.\r\n"},
      {"msg E1600003 --single-line", 0,
       "Do you want to apply the changes that you made to the default session to ALL of your sessions?  WARNING: "
       "There is no UNDO for this change. \n"},
      {"msg 0xZZ", 2, ""},
      {"msg A1600004 --num twelve", 2, ""},
  });
  CdtoolResult const unknown = Run("msg 12345678");
  EXPECT_EQ(0, unknown.exitCode);
  EXPECT_EQ(0u, unknown.out.find("Could not retrieve the error text for error code 0x12345678.\r\n")) << unknown.out;
}

}  // namespace
