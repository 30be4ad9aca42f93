#include "dialogs/ColorSchemeEditorPage.h"

#include "VPageControls.h"
#include "VPageDialog.h"
#include "terminal/RgbText.h"

namespace {

char const* const kAttributes[] = {"Normal",     "Bold",       "Underline",       "Bold underline",
                                   "Blink",      "Bold blink", "Underline blink", "Bold underline blink"};

struct Switch {
  int id;
  uint8_t ColorScheme::*member;
};
Switch const kSwitches[] = {{ColorSchemeEditorPage::kAdvanced, &ColorScheme::advanced},
                            {ColorSchemeEditorPage::kOverstrikeBold, &ColorScheme::overstrikeBold},
                            {ColorSchemeEditorPage::kShowUnderline, &ColorScheme::showUnderline},
                            {ColorSchemeEditorPage::kEnableBlink, &ColorScheme::enableBlink}};

}  // namespace

ColorSchemeEditorPage::ColorSchemeEditorPage(ColorScheme& scheme)
    : VPropertyTreePage(0, "Color Scheme", Declarations()), m_scheme(scheme) {}

std::vector<VPageControl> ColorSchemeEditorPage::Declarations() {
  using VPageControls::Check, VPageControls::Color;
  std::vector<VPageControl> controls{Check(kAdvanced, "&Advanced: colors for each attribute", ""),
                                     Check(kOverstrikeBold, "Overstrike &bold", ""),
                                     Check(kShowUnderline, "Show &underline", ""),
                                     Check(kEnableBlink, "Enable b&link", "")};
  for (int i = 0; i < ColorScheme::kEntries; ++i) {
    int const enabledBy = i == 0 ? 0 : kAdvanced;
    controls.push_back(Color(kFirstForeground + i, std::string(kAttributes[i]) + " foreground:", "", VColorText::Form::Rgb, enabledBy));
    controls.push_back(Color(kFirstBackground + i, std::string(kAttributes[i]) + " background:", "", VColorText::Form::Rgb, enabledBy));
  }
  return controls;
}

bool ColorSchemeEditorPage::OnSetActive() {
  for (Switch const& s : kSwitches) Control(s.id)->value = m_scheme.*s.member ? "true" : "false";
  for (int i = 0; i < ColorScheme::kEntries; ++i) {
    Control(kFirstForeground + i)->value = RgbText::Format(m_scheme.foreground[i]);
    Control(kFirstBackground + i)->value = RgbText::Format(m_scheme.background[i]);
  }
  std::string ignored;
  SetControl(kAdvanced, Control(kAdvanced)->value, ignored);  // enables the attribute colours
  return true;
}

bool ColorSchemeEditorPage::OnKillActive() {
  ColorScheme edited = m_scheme;
  for (int i = 0; i < ColorScheme::kEntries; ++i) {
    for (auto [id, colors] : {std::pair{kFirstForeground + i, edited.foreground}, {kFirstBackground + i, edited.background}})
      if (!RgbText::Parse(Control(id)->value, colors[i]))
        return Refuse(id, "Please enter a color as six hexadecimal digits (RRGGBB).");
  }
  for (Switch const& s : kSwitches) edited.*s.member = Control(s.id)->value == "true" ? 1 : 0;
  m_scheme = edited;
  return true;
}

bool ColorSchemeEditorPage::Edit(std::string const& name, ColorScheme& scheme) {
  ColorScheme edited = scheme;
  ColorSchemeEditorPage page(edited);
  if (VPageDialog("Color Scheme - " + name, page).DoModal() != IDOK) return false;
  scheme = edited;
  return true;
}
