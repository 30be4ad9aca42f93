#include "platform/clipboard/HeadlessClipboard.h"

bool HeadlessClipboard::SetData(std::string const& format, std::vector<unsigned char> const& data) {
  if (m_refuse || format.empty()) return false;
  m_format = format;
  m_data = data;
  return true;
}

bool HeadlessClipboard::GetData(std::string const& format, std::vector<unsigned char>& data) const {
  if (m_format.empty() || format != m_format) return false;
  data = m_data;
  return true;
}
