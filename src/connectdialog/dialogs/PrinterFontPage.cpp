#include "dialogs/PrinterFontPage.h"

#include <cmath>
#include <cstring>

#include "VPageControls.h"
#include "VPageDialog.h"

PrinterFontPage::PrinterFontPage(VLogFont& font)
    : VPropertyTreePage(0, "Font", {VPageControls::Edit(kFace, "&Font:", ""),
                                    VPageControls::Number(kSize, "&Size (points):", "", 1, 72)}),
      m_font(font) {}

bool PrinterFontPage::OnSetActive() {
  VPropertyTreePage::OnSetActive();
  Control(kFace)->value = m_font.lfFaceName;
  Control(kSize)->value = std::to_string(std::lround(m_font.pointSize / 10.0));
  return true;
}

bool PrinterFontPage::OnKillActive() {
  std::string const& face = Control(kFace)->value;
  if (face.empty() || face.size() >= sizeof m_font.lfFaceName)
    return Refuse(kFace, "Please enter a font name of 1 to " + std::to_string(sizeof m_font.lfFaceName - 1) +
                             " characters.");
  if (!VPropertyTreePage::OnKillActive()) return false;
  int const points = std::stoi(Control(kSize)->value);
  std::memset(m_font.lfFaceName, 0, sizeof m_font.lfFaceName);
  std::memcpy(m_font.lfFaceName, face.data(), face.size());
  m_font.pointSize = points * 10;
  m_font.lfHeight = -std::lround(points * VLogFont::kScreenDpi / 72.0);
  return true;
}

bool PrinterFontPage::Choose(VLogFont& font) {
  VLogFont edited = font;
  PrinterFontPage page(edited);
  VPageDialog dialog("Font", page);
  if (dialog.DoModal() != IDOK) return false;
  font = edited;
  return true;
}
