#include "resources/LibraryMessageModule.h"

#include <string>

#include "platform/dynlib/DynamicLibrary.h"

namespace {

constexpr MessageEntry kEntries[] = {
#define CONNECTDIALOG_MESSAGE(name, code, text) {code, std::string_view(text, sizeof(text) - 1)},
#include "resources/ConnectDialogMessages.inc"
#undef CONNECTDIALOG_MESSAGE
};

// The path this library was loaded from; the fallback text names it.
std::string OwnFileName() {
  return GetDynamicLibrary().ModulePathOf(reinterpret_cast<void const*>(&LibraryMessageModule::Get));
}

// Loading the library makes its texts available, like registering a resource module.
[[maybe_unused]] bool const registered = (MessageModule::SetLibrary(&LibraryMessageModule::Get()), true);

}  // namespace

StaticMessageTable const& LibraryMessageModule::Table() {
  static StaticMessageTable const table(kEntries);
  return table;
}

MessageModule const& LibraryMessageModule::Get() {
  static MessageModule const module(OwnFileName(), &Table());
  return module;
}
