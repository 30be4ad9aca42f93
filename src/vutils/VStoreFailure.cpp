#include "VStoreFailure.h"

#include <algorithm>
#include <vector>

#include "VProfileStore.h"
#include "platform/types/FileConstants.h"
#include "platform/types/WinTypes.h"

namespace {

thread_local long firstCode = ERROR_SUCCESS;
thread_local std::string firstLocation;
thread_local std::vector<VProfileStore*> openStores;

std::string Named(std::string const& location) { return location.empty() ? "the store" : location; }

// Takes in the first failure of a store still open, when none is kept yet.
void AskOpenStores() {
  for (VProfileStore* store : openStores) {
    if (firstCode != ERROR_SUCCESS) return;
    VStoreFailure::Note(store->Status(), store->Location());
  }
}

}  // namespace

void VStoreFailure::Opened(VProfileStore* store) { openStores.push_back(store); }

void VStoreFailure::Closed(VProfileStore* store) { std::erase(openStores, store); }

void VStoreFailure::Clear() {
  firstCode = ERROR_SUCCESS;
  firstLocation.clear();
}

void VStoreFailure::Note(long code, std::string const& location) {
  if (code == ERROR_SUCCESS || code == ERROR_REQUEST_ABORTED || firstCode != ERROR_SUCCESS) return;
  firstCode = code;
  firstLocation = location;
}

bool VStoreFailure::Any() { return Code() != ERROR_SUCCESS; }

long VStoreFailure::Code() {
  AskOpenStores();
  return firstCode;
}

std::string VStoreFailure::Describe() {
  AskOpenStores();
  std::string const where = Named(firstLocation);
  switch (firstCode) {
    case ERROR_SUCCESS: return {};
    case ERROR_BUSY: return "the store is locked by another process: " + where;
    case ERROR_ACCESS_DENIED:
    case ERROR_WRITE_PROTECT: return "cannot write " + where + ": permission denied";
    case ERROR_BADDB: return where + " is damaged or is not a store";
    case ERROR_DISK_FULL: return "cannot write " + where + ": the disk is full";
    case ERROR_NOT_ENOUGH_MEMORY: return "out of memory while using " + where;
    case ERROR_INVALID_HANDLE: return "cannot open " + where;
    default: return where + " failed (error " + std::to_string(firstCode) + ")";
  }
}
