// The "Shortcut Name" dialog (255): shows the session a desktop shortcut will open and asks for
// the shortcut's label, proposed as the session's own label. Ends with IDOK or IDCANCEL; the
// label is checked by whoever writes the shortcut.
#pragma once

#include <string>

#include "platform/ui/DialogModel.h"

class ShortcutNameDialog : public DialogModel {
 public:
  enum Control { kLabelField = 1000, kSessionPath = 1001 };
  static constexpr char kCaption[] = "Shortcut Name";
  static constexpr char kPrompt[] = "Please enter a label for the shortcut:";
  static constexpr char kExplanation[] = "Application will create a shortcut on the\nDesktop to the following session:";

  ShortcutNameDialog(std::string sessionPath, std::string label)
      : m_sessionPath(std::move(sessionPath)), m_label(std::move(label)) {}

  // The label field takes any text; the session path is shown, not edited.
  bool SetControl(int id, std::string const& value, std::string& error) override;

  std::string const& SessionPath() const { return m_sessionPath; }
  std::string const& Label() const { return m_label; }

 private:
  std::string m_sessionPath;
  std::string m_label;
};
