#include "dialogs/PrintSettingsPage.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "dialogs/PrinterFontPage.h"
#include "platform/ui/UserInterface.h"

PrintSettingsPage::PrintSettingsPage(unsigned int templateId, std::string caption, std::vector<VPageControl> controls,
                                     Ids ids, Margins& margins, Font& font)
    : VPropertyTreePage(templateId, std::move(caption), std::move(controls)),
      m_ids(ids),
      m_margins(margins),
      m_font(font),
      m_chosenFont(font) {
  if (VPageControl* choose = Control(m_ids.choose))
    choose->onClick = [this](VPropertyTreePage&) { ChooseFont(); };
}

std::string PrintSettingsPage::MarginText(double inches) {
  char text[64];
  std::snprintf(text, sizeof text, "%5.3f", inches);
  return text;
}

std::string PrintSettingsPage::FontText(VLogFont const& font) {
  char text[96];
  std::snprintf(text, sizeof text, "%s %dpt", font.lfFaceName, static_cast<int>(std::lround(font.pointSize / 10.0)));
  return text;
}

bool PrintSettingsPage::ParseMargin(std::string const& text, double& inches) {
  char* end = nullptr;
  inches = std::strtod(text.c_str(), &end);
  return !text.empty() && end == text.c_str() + text.size() && std::isfinite(inches) && inches >= 0 && inches <= 100;
}

bool PrintSettingsPage::OnSetActive() {
  if (!VPropertyTreePage::OnSetActive()) return false;
  VMarginData const& margins = m_margins;
  for (auto [id, inches] : {std::pair{m_ids.left, margins.left}, {m_ids.right, margins.right},
                            {m_ids.top, margins.top}, {m_ids.bottom, margins.bottom}}) {
    VPageControl* control = Control(id);
    control->value = control->shown = MarginText(inches);
  }
  m_chosenFont = m_font;
  Control(m_ids.font)->value = FontText(m_chosenFont);
  return true;
}

void PrintSettingsPage::ChooseFont() {
  if (PrinterFontPage::Choose(m_chosenFont)) Control(m_ids.font)->value = FontText(m_chosenFont);
}

bool PrintSettingsPage::MarginsTouched() {
  for (int id : {m_ids.left, m_ids.right, m_ids.top, m_ids.bottom})
    if (Control(id)->value != Control(id)->shown) return true;
  return false;
}

bool PrintSettingsPage::OnKillActive() {
  int const ids[] = {m_ids.left, m_ids.right, m_ids.top, m_ids.bottom};
  double values[std::size(ids)] = {};
  for (size_t i = 0; i < std::size(ids); ++i) {
    if (ParseMargin(Control(ids[i])->value, values[i])) continue;
    return Refuse(ids[i], "Please enter a margin from 0 to 100 inches.");
  }
  bool const touched = MarginsTouched();
  if (!VPropertyTreePage::OnKillActive()) return false;
  if (touched) m_margins = VMarginData{values[0], values[1], values[2], values[3]};
  for (int id : ids) Control(id)->shown = Control(id)->value;
  VLogFont const& stored = m_font;
  if (!(m_chosenFont == stored)) m_font = m_chosenFont;
  return true;
}
