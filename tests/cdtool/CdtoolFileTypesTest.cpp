// cdtool filetypes against a temporary root and the fixture's registered file types.
#include <gtest/gtest.h>

#include <string>

#include "support/CdtoolRunner.h"
#include "support/ScopedEnv.h"

namespace {

class CdtoolFileTypesTest : public CdtoolTest {
 protected:
  ScopedEnv m_system{"BRIMVALE_FILETYPES_ROOT", TEST_DATA_DIR "/filetypes"};
};

TEST_F(CdtoolFileTypesTest, ListsAddsShowsAndRemovesStoredTypes) {
  CdtoolResult const seeded = Run("filetypes ls");
  ASSERT_EQ(seeded.exitCode, 0) << seeded.err;
  EXPECT_EQ(seeded.out.substr(0, seeded.out.find("Brimvale")),
            "DOS/Windows executable\texe\tbinary\tprompt\nWindows icon\tico\tbinary\topen\n"
            "plain text document\ttxt,asc\tascii\tprompt\n");

  CdtoolResult const added = Run("filetypes add Notes --ext md,TXT,.note --transfer BINARY --open-action save");
  ASSERT_EQ(added.exitCode, 0) << added.err;
  EXPECT_EQ(added.err, "cdtool: note: TXT stays with \"plain text document\"\n");
  EXPECT_EQ(Run("filetypes show notes --json").out,
            "{\"name\":\"Notes\",\"extensions\":[\"md\",\"note\"],\"transfer\":\"binary\",\"openAction\":\"save\","
            "\"openCommand\":\"\",\"iconFile\":\"\",\"iconIndex\":0}\n");
  // Adding to an existing type merges its extensions; binary stays binary.
  ASSERT_EQ(Run("filetypes add NOTES --ext markdown --transfer ascii").exitCode, 0);
  EXPECT_EQ(Run("filetypes show Notes").out,
            "Name: Notes\nExtensions: md,note,markdown\nTransfer: binary\nOpen action: save\nOpen command: \nIcon: ,0\n");

  ASSERT_EQ(Run("filetypes rm notes").exitCode, 0);
  CdtoolResult const gone = Run("filetypes show Notes");
  EXPECT_EQ(gone.exitCode, 1);
  EXPECT_EQ(gone.err, "cdtool: no file type named \"Notes\"\n");
}

TEST_F(CdtoolFileTypesTest, RefusesBadInput) {
  struct Case {
    char const* arguments;
    int exitCode;
  };
  Case const cases[] = {
      {"filetypes add X --ext 'a|b'", 1},     {"filetypes add X --ext ''", 1},     {"filetypes add ' ' --ext zz", 1},
      {"filetypes add X --ext zz --transfer text", 2}, {"filetypes add X", 2},    {"filetypes rm Missing", 1},
      {"filetypes rm 'DOS/Windows executable'", 1},   {"filetypes", 2},
  };
  for (Case const& c : cases) {
    CdtoolResult const result = Run(c.arguments);
    EXPECT_EQ(result.exitCode, c.exitCode) << c.arguments << "\n" << result.err;
    EXPECT_NE(result.err, "") << c.arguments;
  }
  EXPECT_EQ(Run("filetypes show X").exitCode, 1);
}

}  // namespace
