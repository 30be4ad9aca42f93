#include "platform/msgtable/SystemMessageTable.h"

#include <cstring>

#include "platform/msgtable/StaticMessageTable.h"

namespace {

// Codes up to this bound that we have no text for are operating-system error numbers.
constexpr unsigned long kLastSystemErrorNumber = 4095;

constexpr MessageEntry kEntries[] = {
    {0, "The operation completed successfully."},
    {2, "The file was not found."},
    {3, "The path was not found."},
    {5, "Access is denied."},
    {6, "The handle is not valid."},
    {8, "There is not enough memory to complete the operation."},
    {19, "The medium is write-protected."},
    {31, "A device attached to the system is not working."},
    {32, "The file is in use by another process."},
    {38, "The end of the file has been reached."},
    {80, "The file already exists."},
    {87, "A parameter is not valid."},
    {112, "There is not enough space on the disk."},
    {122, "The data area passed to the call is too small."},
    {131, "The file position would be before the beginning of the file."},
    {170, "The requested resource is in use."},
    {183, "The file or folder already exists."},
    {234, "More data is available."},
    {259, "No more data is available."},
    {317, "No text was found for the message number in the message table."},
    {1009, "The configuration database is damaged."},
    {1018, "The key has been marked for deletion."},
    {1813, "The module has no message table."},
    {kCodeTextNotConvertible, "The text could not be converted."},
    {kCodeNoPrinterContext, "No usable printer context could be created."},
    {kCodeNoDefaultPrinter, "No default printer is set up."},
    {kCodeProtectFailed, "Could not protect the value %1: %2"},
    {kCodeUnprotectFailed, "Could not unprotect the value %1: %2"},
    {kCodeMalformedHex, "The value %1 does not hold a whole number of hexadecimal digit pairs."},
};

}  // namespace

SystemMessageTable const& SystemMessageTable::Instance() {
  static SystemMessageTable const table;
  return table;
}

bool SystemMessageTable::Find(unsigned long code, std::string_view& text) const {
  static StaticMessageTable const own(kEntries);
  if (own.Find(code, text)) return true;
  if (code == 0 || code > kLastSystemErrorNumber) return false;
  char const* description = strerrordesc_np(static_cast<int>(code));
  if (!description) return false;
  text = description;
  return true;
}
