#include "platform/msgtable/MessageModule.h"

namespace {
MessageModule const* library = nullptr;
MessageTable const* executable = nullptr;
}  // namespace

MessageModule const* MessageModule::Library() { return library; }
void MessageModule::SetLibrary(MessageModule const* module) { library = module; }
MessageTable const* MessageModule::ExecutableTable() { return executable; }
void MessageModule::SetExecutableTable(MessageTable const* table) { executable = table; }
