// A printing page of the options dialogs: page margins in inches (each shown "%5.3f", typed as
// plain numbers from 0 to 100) and the printer font (shown "%s %dpt": the face and the size
// rounded to whole points), which its "Choose..." button changes through the printer font
// dialog. The session's and the global printing pages are this page with their own ids.
// Margins and font are written when the page is left; untouched margins keep their bytes.
#pragma once

#include <string>
#include <vector>

#include "VLogFont.h"
#include "VMarginData.h"
#include "VProfile2.h"
#include "VProfileBinary.h"
#include "VPropertyTreePage.h"

class PrintSettingsPage : public VPropertyTreePage {
 public:
  struct Ids {
    int left, top, right, bottom, font, choose;
  };
  using Margins = VProfile2<VMarginData, VProfileBinary>;
  using Font = VProfile2<VLogFont, VProfileBinary>;

  // `margins` and `font` belong to the record the page edits, which outlives it.
  PrintSettingsPage(unsigned int templateId, std::string caption, std::vector<VPageControl> controls, Ids ids,
                    Margins& margins, Font& font);

  bool OnSetActive() override;
  bool OnKillActive() override;

  static std::string MarginText(double inches);
  static std::string FontText(VLogFont const& font);
  // A margin as the user typed it: a plain decimal number of inches from 0 to 100.
  static bool ParseMargin(std::string const& text, double& inches);

 private:
  void ChooseFont();
  bool MarginsTouched();

  Ids m_ids;
  Margins& m_margins;
  Font& m_font;
  VLogFont m_chosenFont;
};
