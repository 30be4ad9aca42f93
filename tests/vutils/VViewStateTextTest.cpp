#include <gtest/gtest.h>

#include "FakeReport.h"
#include "MemoryKey.h"
#include "ScriptedConverter.h"
#include "VProfileExplorerFrameState.h"
#include "VProfileListViewState.h"

namespace {

using Layout = VProfileListViewState::Layout;
using Frame = VProfileExplorerFrameState::Numbers;

class VViewStateTextTest : public ::testing::Test, protected MemoryKey {
 protected:
  template <typename State>
  void Load(State& state, char const* name) {
    state.SetName(name);
    state.Load(key, "");
  }
};

Layout TwoColumns() { return Layout{1, -1, 4000000000u, 0, {{120, 1, 0}, {-80, 255, 1}}}; }

TEST_F(VViewStateTextTest, NumbersAreStoredAsCommaSeparatedText) {
  VProfileListViewState list, listAgain;
  VProfileExplorerFrameState frame, frameAgain;
  Load(list, "Remote ListView State");
  Load(frame, "Remote ExplorerFrame State");
  list.SetLayout(TwoColumns());
  frame.SetNumbers({1, -1, 200});
  list.Save(key, false);
  frame.Save(key, false);
  EXPECT_EQ(StoredSz("Remote ListView State"), "1,-1,4000000000,0,2,120,1,0,-80,255,1");
  EXPECT_EQ(StoredSz("Remote ExplorerFrame State"), "1,-1,200");
  Load(listAgain, "Remote ListView State");
  Load(frameAgain, "Remote ExplorerFrame State");
  EXPECT_EQ(listAgain.GetLayout(), TwoColumns());
  EXPECT_EQ(frameAgain.GetNumbers(), (Frame{1, -1, 200}));
  EXPECT_FALSE(listAgain.IsDirty() || frameAgain.IsDirty());
}

TEST_F(VViewStateTextTest, TextsThatDoNotHoldTheNumbersKeepThePreviousOnes) {
  char const* const badFrames[] = {"", "1,2", "1,2,3,4", "1,,3", "1, 2,3", "+1,2,3", "1,2,3,", "a,b,c",
                                   "2147483648,0,0", "0,-2147483649,0", "1;2;3"};
  for (char const* text : badFrames) {
    ASSERT_TRUE(key->SetSz("Frame", text));
    VProfileExplorerFrameState frame;
    frame.SetNumbers({7, 8, 9});
    Load(frame, "Frame");
    EXPECT_EQ(frame.GetNumbers(), (Frame{7, 8, 9})) << text;
    EXPECT_EQ(frame, text);  // the stored text itself is kept
  }
  char const* const badLists[] = {"1,1,1,0", "1,1,1,0,1", "1,1,1,0,1,5,1", "1,1,1,0,1,5,1,0,9", "1,1,1,0,-1",
                                  "1,1,-1,0,0", "1,1,4294967296,0,0", "1,1,1,0,1,5,256,0", "1,1,1,0,1,5,-1,0"};
  for (char const* text : badLists) {
    ASSERT_TRUE(key->SetSz("List", text));
    VProfileListViewState list;
    list.SetLayout(TwoColumns());
    Load(list, "List");
    EXPECT_EQ(list.GetLayout(), TwoColumns()) << text;
  }
  ASSERT_TRUE(key->SetSz("List", "-2147483648,2147483647,4294967295,0,0"));
  VProfileListViewState edges;
  Load(edges, "List");
  EXPECT_EQ(edges.GetLayout(), (Layout{INT32_MIN, INT32_MAX, UINT32_MAX, 0, {}}));
}

TEST_F(VViewStateTextTest, RollbackApplyDeltaAndSetFromTextKeepNumbersAndTextTogether) {
  ASSERT_TRUE(key->SetSz("Frame", "1,1000,200"));
  VProfileExplorerFrameState frame, other;
  Load(frame, "Frame");
  frame.SetNumbers({5, 5, 5});
  EXPECT_TRUE(frame.IsModified());
  frame.Rollback();
  EXPECT_EQ(frame.GetNumbers(), (Frame{1, 1000, 200}));
  EXPECT_FALSE(frame.IsModified());
  other.SetNumbers({3, -3, 30});
  frame.ApplyDelta(&other);
  EXPECT_EQ(frame.GetNumbers(), (Frame{3, -3, 30}));
  EXPECT_TRUE(frame.IsModified());
  ScriptedConverter converter(false, 0xE1040047);  // not a text it converts: taken as it is
  FakeReport report;
  VProfileListViewState list;
  list.SetName("List");
  ASSERT_TRUE(list.SetFromText("0,0,7,0,1,50,0,2", converter, report));
  EXPECT_EQ(list.GetLayout(), (Layout{0, 0, 7, 0, {{50, 0, 2}}}));
  EXPECT_FALSE(list.IsModified());
}

}  // namespace
