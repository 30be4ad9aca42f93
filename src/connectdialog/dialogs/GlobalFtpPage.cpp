#include "dialogs/GlobalFtpPage.h"

#include <charconv>

#include "VPageControls.h"
#include "database/GlobalConfig.h"

struct GlobalFtpPage::Buffer {
  int systemDefault, sized, size;
  GlobalConfig::Number GlobalConfig::*option;
};

GlobalFtpPage::Buffer const GlobalFtpPage::kBuffers[] = {
    {kReceiveDefault, kReceiveSized, kReceiveSize, &GlobalConfig::receiveBufferSize},
    {kSendDefault, kSendSized, kSendSize, &GlobalConfig::sendBufferSize}};

namespace {

constexpr int kPassiveType = 2;
constexpr int kActiveType = 1;

std::vector<VPageControl> Declarations() {
  using VPageControls::Bound, VPageControls::Check, VPageControls::Edit;
  using Page = GlobalFtpPage;
  return {Bound(1078, VControlKind::Label, "&Receive buffer", ""),
          Check(Page::kReceiveDefault, "Use system default size", ""),
          Check(Page::kReceiveSized, "Size (bytes):", ""),
          Edit(Page::kReceiveSize, "", "", Page::kReceiveSized),
          Bound(1086, VControlKind::Label, "S&end buffer", ""),
          Check(Page::kSendDefault, "Use system default size", ""),
          Check(Page::kSendSized, "Size (bytes):", ""),
          Edit(Page::kSendSize, "", "", Page::kSendSized),
          Check(Page::kPassive, "Use outgoing data connections (&PASV)", ""),
          Check(Page::kNoServerToServer, "Disable direct server-to-server &transfers", "Disable Server To Server Transfers")};
}

}  // namespace

GlobalFtpPage::GlobalFtpPage(GlobalConfig& options) : VPropertyTreePage(11426, "FTP", Declarations()), m_options(options) {}

void GlobalFtpPage::ShowBuffer(Buffer const& buffer) {
  int const stored = m_options.*buffer.option;
  std::string ignored;
  SetControl(stored < 1 ? buffer.systemDefault : buffer.sized, "true", ignored);
  Control(buffer.size)->value = std::to_string(stored < 1 ? kShownDefaultSize : stored);
}

bool GlobalFtpPage::OnSetActive() {
  VPropertyTreePage::OnSetActive();
  for (Buffer const& buffer : kBuffers) ShowBuffer(buffer);
  Control(kPassive)->value = static_cast<int>(m_options.dataConnectionType) == kPassiveType ? "true" : "false";
  for (VPageControl const& declared : Declarations()) Control(declared.id)->shown = Control(declared.id)->value;
  return true;
}

void GlobalFtpPage::OnControlChanged(VPageControl& control) {
  for (Buffer const& buffer : kBuffers) {
    // Two radio buttons: ticking one clears the other, clearing one ticks the other.
    if (control.id == buffer.systemDefault) Control(buffer.sized)->value = control.value == "true" ? "false" : "true";
    if (control.id == buffer.sized) Control(buffer.systemDefault)->value = control.value == "true" ? "false" : "true";
  }
}

bool GlobalFtpPage::ChosenSize(Buffer const& buffer, int& size) {
  int const stored = m_options.*buffer.option;
  if (Control(buffer.systemDefault)->value == "true") {
    size = stored < 1 ? stored : -1;
    return true;
  }
  std::string const& text = Control(buffer.size)->value;
  auto const [end, error] = std::from_chars(text.data(), text.data() + text.size(), size);
  return error == std::errc() && end == text.data() + text.size() && size >= kMinimumSize && size <= kMaximumSize;
}

bool GlobalFtpPage::OnKillActive() {
  int sizes[std::size(kBuffers)] = {};
  for (size_t i = 0; i < std::size(kBuffers); ++i) {
    if (!ChosenSize(kBuffers[i], sizes[i]))
      return Refuse(kBuffers[i].size, "Please enter a buffer size between " + std::to_string(kMinimumSize) + " and " +
                                          std::to_string(kMaximumSize) + ".");
  }
  if (!VPropertyTreePage::OnKillActive()) return false;
  for (size_t i = 0; i < std::size(kBuffers); ++i)
    if (static_cast<int>(m_options.*kBuffers[i].option) != sizes[i]) m_options.*kBuffers[i].option = sizes[i];
  VPageControl* passive = Control(kPassive);
  if (passive->value != passive->shown) m_options.dataConnectionType = passive->value == "true" ? kPassiveType : kActiveType;
  for (VPageControl const& declared : Declarations()) Control(declared.id)->shown = Control(declared.id)->value;
  return true;
}
