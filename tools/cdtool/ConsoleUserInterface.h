// cdtool's user interface: messages go to standard error and questions are answered on
// standard input (y or n). With `assumeYes` every question is answered Yes without asking; at
// the end of input a question takes its default button. Choosers and prompts read one line.
#pragma once

#include <iosfwd>

#include "platform/ui/UserInterface.h"

class ConsoleUserInterface : public UserInterface {
 public:
  ConsoleUserInterface(std::istream& in, std::ostream& out, bool assumeYes)
      : m_in(in), m_out(out), m_assumeYes(assumeYes) {}

  int MessageBox(std::string const& text, std::string const& caption, unsigned int type) override;
  bool ChooseFile(FileChooser kind, std::string const& filter, std::string& path) override;
  bool PromptText(std::string const& prompt, std::string const& caption, std::string& text) override;
  // Continues when told to assume yes or at the end of input: cdtool never exits on its own.
  UpgradeChoice OfferUpgrade(UpgradeOffer const& offer) override;
  void SetBusyCursor(bool) override {}
  COLORREF WindowColor() const override { return 0xFFFFFF; }
  COLORREF WindowTextColor() const override { return 0x000000; }
  bool FontSmoothing() const override { return true; }

 private:
  // Reads one line into `line`; false at the end of input.
  bool ReadLine(std::string& line);

  std::istream& m_in;
  std::ostream& m_out;
  bool m_assumeYes;
};
