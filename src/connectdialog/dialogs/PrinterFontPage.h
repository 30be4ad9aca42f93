// The printer font dialog's page: a face name and a size in whole points (1 to 72). Leaving it
// writes both into the font it edits; the rest of the font stays as it was.
#pragma once

#include "VLogFont.h"
#include "VPropertyTreePage.h"

class PrinterFontPage : public VPropertyTreePage {
 public:
  enum ControlId { kFace = 1801, kSize = 1802 };

  // Edits `font`, which outlives the page.
  explicit PrinterFontPage(VLogFont& font);

  bool OnSetActive() override;
  bool OnKillActive() override;

  // Runs the dialog on a copy of `font`; true, with `font` changed, when the user confirmed.
  static bool Choose(VLogFont& font);

 private:
  VLogFont& m_font;
};
