// The filter typed letter by letter: a keystroke that extends the text narrows the tree the
// last one showed, and must leave exactly the tree, the item handles and the selection that
// typing the whole text at once gives.
#include <gtest/gtest.h>

#include "connectdialog/dialogs/ConnectDialogWorld.h"

namespace {

using Dialog = ConnectDialog;

class ConnectDialogFilterTest : public ConnectDialogWorld {
 protected:
  // Zeta\Routers holds edge; Lab holds core1 (host 10.0.0.7), core2 and Inner\edge; ROUTE66 at the root.
  ConnectDialogFilterTest() {
    AddFolder("", "Zeta");
    AddFolder("Zeta", "Routers");
    AddFolder("", "Lab");
    AddFolder("Lab", "Inner");
    AddSession("Zeta\\Routers", "edge");
    AddSession("Lab", "core1");
    AddSession("Lab", "core2");
    AddSession("Lab\\Inner", "edge");
    AddSession("", "ROUTE66");
    VProfileStore store;
    VProfileKey(store.Root(), SessionKeyPath::Of("Lab\\core1")).SetSz("Hostname", "10.0.0.7");
  }
  // What a front end draws of every shown item, and the handle a copy would put on the clipboard.
  static std::vector<std::string> Seen(Dialog& dialog) {
    std::vector<std::string> seen;
    for (ConnectTreeItem* item : dialog.VisibleItems())
      seen.push_back(item->Path() + " #" + std::to_string(item->Handle()) + (item->expanded ? " open" : "") +
                     (item->hasButton ? " button" : ""));
    seen.push_back("selected " + dialog.SelectedPath());
    return seen;
  }
};

TEST_F(ConnectDialogFilterTest, TypingLetterByLetterShowsWhatTheWholeTextShows) {
  struct Case {
    std::vector<std::string> typed;
    std::vector<std::string> shown;  // at the end
  };
  std::vector<std::string> const edges{"", "Zeta", "Zeta\\Routers", "Zeta\\Routers\\edge", "Lab", "Lab\\Inner", "Lab\\Inner\\edge"};
  for (Case const& c : {
           Case{{"e", "ed", "edg", "edge"}, edges},
           Case{{"r", "ro", "rox"}, {""}},                                   // down to nothing
           Case{{"core1", "core"}, {"", "Lab", "Lab\\core1", "Lab\\core2"}},  // shorter: made afresh
           Case{{"o", "ro", "rou"}, {"", "Zeta", "Zeta\\Routers", "Zeta\\Routers\\edge", "ROUTE66"}},
           Case{{"C", "cO", "CORE2"}, {"", "Lab", "Lab\\core2"}},
           Case{{"1", "10", "10.0.0.7"}, {"", "Lab", "Lab\\core1"}},  // the host name
           Case{{"inner", "inner", "edge"}, edges},                  // the same text, then another
       }) {
    SCOPED_TRACE(c.typed.back());
    Dialog typed("Connect", false, false);
    typed.Open();
    for (size_t i = 0; i < c.typed.size(); ++i) {
      typed.SetFilter(c.typed[i]);
      // A folder closed between keystrokes is open again after the next, as in a tree made afresh.
      if (i + 1 < c.typed.size() && typed.VisibleItems().size() > 1)
        Do(typed, &Dialog::Collapse, typed.VisibleItems()[1]->Path());
    }
    Dialog once("Connect", false, false);
    once.Open();
    once.SetFilter(c.typed.back());
    EXPECT_EQ(Shown(typed), c.shown);
    EXPECT_EQ(Seen(typed), Seen(once));
  }
}

TEST_F(ConnectDialogFilterTest, MatchesLeaveOutWhatTheProductFilterHides) {
  AddSession("Lab", "edge ftp", "None");
  for (bool show : {false, true}) {
    config->showTransferOnlySessions = show;
    Dialog dialog("Connect", false, false);
    dialog.Open();
    dialog.SetFilter("ed");
    dialog.SetFilter("edge");
    std::vector<std::string> expected{"", "Zeta", "Zeta\\Routers", "Zeta\\Routers\\edge", "Lab", "Lab\\Inner", "Lab\\Inner\\edge"};
    if (show) expected.push_back("Lab\\edge ftp");
    EXPECT_EQ(Shown(dialog), expected) << show;
  }
}

}  // namespace
