#include "transfer/FileTypeStoredForm.h"

#include <climits>
#include <cstdlib>
#include <string>

namespace {

enum Position { kOpenCommand, kIconIndex, kIconFile, kExtensions, kOpenAction, kTransferType };

// Leading digits after optional blanks and sign, as the decimal reads of the stored form.
int Decimal(VString const& text) {
  long const value = std::strtol(text.c_str(), nullptr, 10);
  return value < INT_MIN ? INT_MIN : value > INT_MAX ? INT_MAX : static_cast<int>(value);
}

VString Joined(VStringArray const& extensions) {
  VString joined;
  for (int i = 0; i < extensions.GetSize(); ++i) {
    if (i > 0) joined += '|';
    joined += extensions[i];
  }
  return joined;
}

VStringArray Split(std::string_view text) {
  size_t const first = text.find_first_not_of(" \t\r\n");
  text.remove_prefix(first == std::string_view::npos ? text.size() : first);
  VStringArray parts;
  while (!text.empty()) {
    size_t const bar = text.find('|');
    if (std::string_view const part = text.substr(0, bar); !part.empty()) parts.Add(VString(part));
    text.remove_prefix(bar == std::string_view::npos ? text.size() : bar + 1);
  }
  return parts;
}

}  // namespace

VStringArray FileTypeStoredForm::Write(FileTypeDefinition const& definition) {
  return {definition.openCommand,         VString(std::to_string(definition.iconIndex)),
          definition.iconFile,            Joined(definition.extensions),
          VString(std::to_string(definition.openAction)), VString(std::to_string(definition.transferType))};
}

void FileTypeStoredForm::Read(char const* typeName, VStringArray const& list, FileTypeDefinition& definition) {
  definition = FileTypeDefinition();
  definition.SetTypeName(typeName);
  definition.valid = 1;
  if (list.GetSize() < kStrings) return;
  definition.openCommand = list[kOpenCommand];
  definition.iconIndex = Decimal(list[kIconIndex]);
  definition.iconFile = list[kIconFile];
  definition.extensions = Split(list[kExtensions].View());
  definition.openAction = Decimal(list[kOpenAction]);
  definition.transferType = Decimal(list[kTransferType]);
}
