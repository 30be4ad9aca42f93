// The New Session Wizard: the step-by-step way to a new session from the Connect dialog. The
// user picks a protocol (one for each client when both are installed), fills in the pages the
// chosen protocol's plug-in adds, and names the session on the finish page. The wizard edits
// the session it is given (holding one reference until it is destroyed); the caller stores it.
//
// Pages are data (VPropertyTreePage); the wizard owns its own four and holds the plug-ins'
// pages, which their plug-ins make and free (protocol table callback slots 10 and 11: asked to
// add their pages when DoModal builds the sheet, to remove them when the wizard is destroyed).
// Navigation is by template id: Next pushes the page left onto the back stack, Back pops it. A
// page refusing to be left keeps the wizard where it is. Every command is a method here, so a
// presenter only draws the current page and the three buttons and forwards the user's actions.
#pragma once

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "VPropertyTreePage.h"
#include "VString.h"
#include "platform/types/CPropertySheet.h"
#include "platform/ui/DialogModel.h"

class CWnd;
class GlobalConfig;
class ISessionConfig;
class SessionConfig;

class NewSessionWizard : public DialogModel, public CPropertySheet {
 public:
  enum PageId : unsigned int {
    kProtocolPage = 11463,
    kTerminalPage = 11464,
    kTransferPage = 11466,
    kFinishPage = 11467,
  };
  enum CommandId { kBack = 12323, kNext = 12324, kFinish = 12325 };
  // The bits of SetButtons' masks.
  enum ButtonBit : unsigned long { kBackBit = 1, kNextBit = 2, kFinishBit = 4 };
  enum ControlId { kProtocolList = 1212, kDoNotUseWizard = 3032, kName = 1044, kDescription = 1045 };

  // `session` must be a SessionConfig: another kind makes a wizard without pages, which ends
  // at once. `firstPage` is the template id to show first (0: the first page).
  NewSessionWizard(ISessionConfig* session, int productId, CWnd* parent = nullptr, unsigned int firstPage = 0);
  ~NewSessionWizard() override;
  NewSessionWizard(NewSessionWizard const&) = delete;
  NewSessionWizard& operator=(NewSessionWizard const&) = delete;

  // Runs the wizard for a session the Connect dialog is creating, when "New Session Uses
  // Wizard" is set; the user's choice to keep using it goes back into that option, and a user
  // who declines it gets the host's session editor instead. 1 when the session is to be stored.
  static int EditNewSession(ISessionConfig* session, GlobalConfig& config);

  // Builds the page list (once) and runs the wizard: kFinish when the user finished.
  int DoModal() override;
  // False when the user ticked "Do not use this wizard" on the first protocol page.
  bool UseWizard() const;

  void AddPage(CPropertyPage* page) override;
  void RemovePage(CPropertyPage* page) override;

  // Where Next goes after the last page of a protocol: the transfer protocol page while the
  // terminal side is being set up with both clients installed, else the finish page.
  unsigned int GetNextID() const;
  // Pops the back stack; 0 when it is empty.
  unsigned int GetPreviousID();
  void SetPreviousID(long id) { m_backStack.push_back(static_cast<unsigned int>(id)); }
  unsigned int GetFinishPage() const { return kFinishPage; }
  // The first page of `protocol` ("ssh1.new" stands for "SSH2"); 0 when it added none.
  unsigned int GetNextProtocolResourceID(VString const& protocol) const;
  // Bits of `shown` show Back, Next and Finish; a shown button is enabled when its bit is in `enabled`.
  void SetButtons(unsigned long shown, unsigned long enabled);
  bool IsKorvoProtocolNone() const { return m_terminalNone; }
  void IsKorvoProtocolNone(bool none) { m_terminalNone = none; }

  void Open() override;
  // Enter: Finish on the finish page, else Next.
  void OnOK() override;
  // Back, Next, Finish and Cancel by id. False, with `error`, for a button hidden or disabled now.
  bool Command(int id, std::string& error) override;
  // A control of the current page.
  bool SetControl(int id, std::string const& value, std::string& error) override;

  bool Back();
  bool Next();
  // Checks the name; on success writes name and description into the session and ends.
  bool Finish();

  std::string Caption() const;
  VPropertyTreePage* CurrentPage() const { return m_current; }
  std::vector<VPropertyTreePage*> Pages() const;
  // The template ids of the pages shown, in the order they were shown.
  std::vector<unsigned int> const& ShownPages() const { return m_shown; }
  bool IsButtonShown(ButtonBit bit) const { return (m_buttonsShown & bit) != 0; }
  bool IsButtonEnabled(ButtonBit bit) const { return IsButtonShown(bit) && (m_buttonsEnabled & bit) != 0; }
  int ProductId() const { return m_productId; }
  int SecondProductId() const { return m_secondProductId; }

 private:
  struct Entry {
    VPropertyTreePage* page;
    std::string protocol;  // the map key of the protocol that added it; empty for the wizard's own
  };

  void BuildPages();
  void MakeOwnPages(bool both);
  void AddPluginPages();
  void FillProtocolList(VPropertyTreePage& page, std::vector<int> const& products, bool withNone,
                        std::string const& current);
  std::vector<int> TerminalProducts() const;
  Entry const* Find(unsigned int templateId) const;
  bool Activate(unsigned int templateId);
  void UpdateButtons();
  bool IsProtocolPage(unsigned int templateId) const;
  // Writes the protocol picked on the current protocol page into the session.
  void TakeProtocol(std::string const& name);
  // The page after the current one: the next page of the same protocol, or where that leads.
  unsigned int Following() const;

  // The finish page (NewSessionWizardFinish.cpp).
  void ProposeName();
  std::string HostOfSession() const;
  // The first refusal of `name` as its message; empty when it may be used.
  std::string NameRefusal(std::string const& name) const;

  SessionConfig* m_session;
  int m_productId;
  int m_secondProductId = 0;
  unsigned int m_firstPage;
  bool m_built = false;
  std::unique_ptr<VPropertyTreePage> m_protocolPage;  // 11463, or 11464 with both clients
  std::unique_ptr<VPropertyTreePage> m_transferPage;  // 11466 with both clients
  std::unique_ptr<VPropertyTreePage> m_finishPage;
  std::vector<Entry> m_pages;
  std::string m_adding;  // the protocol whose plug-in is adding pages now
  std::map<std::string, unsigned int> m_firstPages;  // by folded protocol name
  std::vector<unsigned int> m_backStack;
  std::vector<unsigned int> m_shown;
  VPropertyTreePage* m_current = nullptr;
  unsigned long m_buttonsShown = 0;
  unsigned long m_buttonsEnabled = 0;
  bool m_terminalNone = false;
  bool m_nameTyped = false;
};
