// The library's message module: the compiled-in message table of ConnectDialogMessages.inc,
// registered as the library's source module when the library is loaded.
#pragma once

#include "platform/msgtable/MessageModule.h"
#include "platform/msgtable/StaticMessageTable.h"

class LibraryMessageModule {
 public:
  static MessageModule const& Get();
  static StaticMessageTable const& Table();
};
