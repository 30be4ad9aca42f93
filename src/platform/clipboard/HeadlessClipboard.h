// A clipboard without a display: it holds the last block put on it within this process, so
// that cut, copy and paste work headless and in tests. It can be made to refuse, as a desktop
// clipboard that another program holds open.
#pragma once

#include <string>
#include <vector>

#include "platform/clipboard/Clipboard.h"

class HeadlessClipboard : public Clipboard {
 public:
  bool SetData(std::string const& format, std::vector<unsigned char> const& data) override;
  bool GetData(std::string const& format, std::vector<unsigned char>& data) const override;

  // Makes every later SetData fail (true) or succeed again (false).
  void Refuse(bool refuse) { m_refuse = refuse; }
  // Forgets what it holds, as when another program takes the clipboard.
  void Clear() {
    m_format.clear();
    m_data.clear();
  }

 private:
  std::string m_format;
  std::vector<unsigned char> m_data;
  bool m_refuse = false;
};
