// cdtool's user interface: messages go to standard error and questions are answered on
// standard input (y or n). With `assumeYes` every question is answered Yes without asking; at
// the end of input a question takes its default button. Choosers and prompts read one line.
// Everything that is not a question (colours, icons) is the headless interface's.
#pragma once

#include <iosfwd>

#include "platform/ui/HeadlessUserInterface.h"

class ConsoleUserInterface : public HeadlessUserInterface {
 public:
  ConsoleUserInterface(std::istream& in, std::ostream& out, bool assumeYes)
      : m_in(in), m_out(out), m_assumeYes(assumeYes) {}

  int MessageBox(std::string const& text, std::string const& caption, unsigned int type) override;
  bool ChooseFile(FileChooser kind, std::string const& title, std::string const& proposedName,
                  std::string const& filter, std::string& path,
                  std::string const& defaultExtension = "") override;
  bool PromptText(std::string const& prompt, std::string const& caption, std::string& text) override;
  // Continues when told to assume yes or at the end of input: cdtool never exits on its own.
  UpgradeChoice OfferUpgrade(UpgradeOffer const& offer) override;

 private:
  // Reads one line into `line`; false at the end of input.
  bool ReadLine(std::string& line);

  std::istream& m_in;
  std::ostream& m_out;
  bool m_assumeYes;
};
