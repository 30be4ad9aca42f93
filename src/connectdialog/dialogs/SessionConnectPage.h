// What both Connection pages of the Session Options dialog share: the session's name, its
// description and protocol lists whose items carry protocol table indexes. A protocol the
// session names but the table lacks is listed with -1; picking it shows message 0xE160000C and
// puts the list back on the item it showed before.
#pragma once

#include <string>
#include <vector>

#include "VPropertyTreePage.h"

class SessionConfig;
class SessionOptionsDialog;

class SessionConnectPage : public VPropertyTreePage {
 public:
  enum ControlId {
    kName = 1401,
    kTerminalList = 1402,
    kTransferList = 1403,
    kProtocolList = 1404,
    kDescription = 1405,
    kProtocolGroup = 1406,
    kDescriptionGroup = 1407,
    kDescriptionHint = 1408,
  };

  // Shows the session's name; the pages below fill their lists from the protocol table.
  bool Create() override;
  // The description as lines of text, one per line feed.
  bool OnSetActive() override;
  // The name must be one a session may have; then the description goes into the session.
  bool OnKillActive() override;

  // Protocol names compare ignoring letter case.
  static bool SameProtocol(std::string const& a, std::string const& b);

  // The table index of the protocol the list stands for (its item before a pick is taken);
  // -1 for an unknown protocol or no item.
  int SettledIndex(int listId) const;

 protected:
  SessionConnectPage(unsigned int templateId, std::vector<VPageControl> controls, SessionOptionsDialog& dialog,
                     SessionConfig& session);

  static VPageControl Declared(int id, VControlKind kind, std::string label);
  // The page's controls: the name, `lists`, the description with its group and hint.
  static std::vector<VPageControl> Declarations(std::vector<VPageControl> lists);
  // Puts the table entries of `entries` into list `listId`, selects `current` (letter case
  // ignored) or adds it as an unknown item.
  void FillList(int listId, std::vector<int> const& entries, std::string const& current);
  // The item the user just picked in `list`: its table index, or false after refusing an
  // unknown item (the list then shows its previous item again). Picking the shown item is false.
  bool Picked(VPageControl& list, int& index);
  // Shows the list's settled item again.
  void ShowSettled(int listId);
  static std::vector<int> EntriesOfProducts(std::vector<int> const& products);

  SessionOptionsDialog& m_dialog;
  SessionConfig& m_session;

 private:
  struct Items {
    std::vector<int> indexes;  // the table index of each item; -1 for an unknown protocol
    std::string current;       // the item the session's protocol stands at
  };
  Items& ItemsOf(int listId) { return m_items[listId - kTerminalList]; }
  Items const& ItemsOf(int listId) const { return m_items[listId - kTerminalList]; }
  int IndexOfItem(int listId, std::string const& item) const;

  Items m_items[3];
};
