// The system's message table on this platform: texts for the platform error codes that the
// library's stand-ins report, the operating system's error texts for other small codes, and
// the utility layer's own codes (protection, conversion and printer failures).
#pragma once

#include "platform/msgtable/MessageTable.h"

constexpr unsigned long kCodeTextNotConvertible = 0xE1040047;
constexpr unsigned long kCodeNoPrinterContext = 0xE104004A;
constexpr unsigned long kCodeNoDefaultPrinter = 0xE104004B;
constexpr unsigned long kCodeProtectFailed = 0xE104004C;
constexpr unsigned long kCodeUnprotectFailed = 0xE104004D;
constexpr unsigned long kCodeMalformedHex = 0xE104004E;

class SystemMessageTable : public MessageTable {
 public:
  static SystemMessageTable const& Instance();
  bool Find(unsigned long code, std::string_view& text) const override;
};
