// The desktop's clipboard through Qt: a block under a format name travels as MIME data of type
// "application/x-" and the name in lower case with words joined by hyphens ("FolderTree" is
// application/x-folder-tree), so a copy in one process can be pasted in another. Needs the
// QApplication; called from its thread only.
#pragma once

#include <QString>

#include "platform/clipboard/Clipboard.h"

class QtClipboard : public Clipboard {
 public:
  bool SetData(std::string const& format, std::vector<unsigned char> const& data) override;
  bool GetData(std::string const& format, std::vector<unsigned char>& data) const override;

  // The MIME type of a format name; empty for a name that is empty or holds other than letters
  // and digits.
  static QString MimeType(std::string const& format);
};
