#include "resources/LibraryMessageModule.h"

#include <dlfcn.h>

#include <string>

namespace {

constexpr MessageEntry kEntries[] = {
#define CONNECTDIALOG_MESSAGE(code, text) {code, std::string_view(text, sizeof(text) - 1)},
#include "resources/ConnectDialogMessages.inc"
#undef CONNECTDIALOG_MESSAGE
};

// The path this library was loaded from; the fallback text names it.
std::string OwnFileName() {
  Dl_info info{};
  if (dladdr(reinterpret_cast<void*>(&LibraryMessageModule::Get), &info) == 0 || !info.dli_fname) return {};
  return info.dli_fname;
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
