// The offer to download a compatible version of a product, shown when a plug-in of the other
// integrated product does not fit: a message, a question, a warning, and three buttons.
#pragma once

#include <string>

enum class UpgradeChoice { Download = 1, Continue = 2, Exit = 3 };

struct UpgradeOffer {
  std::string caption;
  std::string message;         // what is wrong
  std::string question;        // what the user is asked
  std::string warning;         // the advice for continuing without the upgrade
  std::string downloadButton;  // the Download button's text, with its mnemonic
  // The other two buttons always read "&Continue" and "E&xit"; Continue is the default.
};
