#include "transfer/SystemFileType.h"

#include <algorithm>
#include <cctype>
#include <string>

#include "platform/filetypes/FileTypeRegistry.h"
#include "transfer/IconLocation.h"

namespace {

bool StartsWithIgnoringCase(std::string const& text, std::string_view prefix) {
  return text.size() >= prefix.size() &&
         std::equal(prefix.begin(), prefix.end(), text.begin(), [](char a, char b) {
           return std::tolower(static_cast<unsigned char>(a)) == std::tolower(static_cast<unsigned char>(b));
         });
}

std::string Upper(std::string text) {
  std::ranges::transform(text, text.begin(), [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
  return text;
}

// Fills the name, open command and icon from a registered class; false for an unusable icon.
bool ReadClass(std::string const& className, FileTypeDefinition& definition, FileTypeRegistry& registry) {
  std::string const description = registry.ClassDescription(className);
  definition.SetTypeName((description.empty() ? className : description).c_str());
  definition.openCommand = registry.OpenCommand(className).c_str();
  IconLocation location;
  if (!IconLocation::Parse(registry.DefaultIcon(className), location)) return false;
  definition.iconFile = location.file.c_str();
  definition.iconIndex = location.index;
  return true;
}

int TransferTypeOf(std::string const& contentType) {
  if (contentType.empty()) return 0;
  return StartsWithIgnoringCase(contentType, "text") ? FileTypeDefinition::kTransferAscii
                                                     : FileTypeDefinition::kTransferBinary;
}

}  // namespace

bool SystemFileType::Read(char const* extension, FileTypeDefinition& definition) {
  return Read(extension, definition, GetFileTypeRegistry());
}

bool SystemFileType::Read(char const* extension, FileTypeDefinition& definition, FileTypeRegistry& registry) {
  definition = FileTypeDefinition();
  std::string name = extension ? extension : "";
  if (name.starts_with('.')) name.erase(0, 1);
  if (name.empty()) return false;
  definition.extensions.Add(VString(name));
  std::string className;
  if (!registry.FindClass(name, className)) return false;
  if (className.empty()) {
    definition.SetTypeName((Upper(name) + " File").c_str());
  } else if (StartsWithIgnoringCase(className, "CLSID\\") || !ReadClass(className, definition, registry)) {
    return false;
  }
  definition.transferType = TransferTypeOf(registry.ContentType(name));
  definition.valid = 1;
  return true;
}
