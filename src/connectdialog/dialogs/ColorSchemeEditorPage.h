// The colour scheme editor's page: the scheme's four switches and the foreground and background
// colour (RRGGBB) of each attribute combination; the seven combinations beyond plain text are
// edited only for an advanced scheme. Leaving it writes everything into the scheme it edits.
#pragma once

#include <string>
#include <vector>

#include "VPropertyTreePage.h"
#include "terminal/ColorScheme.h"

class ColorSchemeEditorPage : public VPropertyTreePage {
 public:
  enum ControlId {
    kAdvanced = 1901,
    kOverstrikeBold,
    kShowUnderline,
    kEnableBlink,
    kFirstForeground = 1910,
    kFirstBackground = 1920,
  };

  // Edits `scheme`, which outlives the page.
  explicit ColorSchemeEditorPage(ColorScheme& scheme);

  bool OnSetActive() override;
  bool OnKillActive() override;

  // Runs the editor titled after `name` on a copy of `scheme`; true, with `scheme` changed,
  // when the user confirmed.
  static bool Edit(std::string const& name, ColorScheme& scheme);

 private:
  static std::vector<VPageControl> Declarations();

  ColorScheme& m_scheme;
};
