#include "platform/clipboard/Clipboard.h"

#include "platform/clipboard/HeadlessClipboard.h"
#include "platform/service/InstalledService.h"

using InstalledClipboard = InstalledService<Clipboard, HeadlessClipboard>;

Clipboard& GetClipboard() { return InstalledClipboard::Get(); }

void SetClipboard(Clipboard* clipboard) { InstalledClipboard::Install(clipboard); }
