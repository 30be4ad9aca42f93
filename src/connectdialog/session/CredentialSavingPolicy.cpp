#include "session/CredentialSavingPolicy.h"

#include "VProfileKey.h"
#include "VProfileStore.h"
#include "VRegistryStoreFactory.h"
#include "platform/debug/DebugTrace.h"

namespace {

constexpr unsigned long kNotRead = 65535;

unsigned long keptUsernames = kNotRead;
unsigned long keptPasswords = kNotRead;

unsigned long ReadPolicy(char const* name) {
  VRegistryStoreFactory factory(HKEY_LOCAL_MACHINE, "SOFTWARE\\Brimvale\\Global");
  VProfileStore store(true, &factory);
  unsigned long value = 1;
  if (!store.Root()->GetDword(name, value)) value = 1;
  return value;
}

bool Kept(unsigned long& kept, char const* name) {
  if (kept == kNotRead) kept = ReadPolicy(name);
  return kept != 0;
}

void Trace(char const* what, bool allowed) {
  std::string const trace = std::string("Global saving ") + what + (allowed ? " allowed.\n" : " disabled.\n");
  DebugTrace::Write(trace.c_str());
}

}  // namespace

bool CredentialSavingPolicy::SaveUsernames() {
  bool const allowed = Kept(keptUsernames, "Save Usernames");
  Trace("usernames", allowed);
  return allowed;
}

bool CredentialSavingPolicy::SavePasswords() {
  bool const allowed = SaveUsernames() && Kept(keptPasswords, "Save Passwords");
  Trace("passwords", allowed);
  return allowed;
}

void CredentialSavingPolicy::Reset() { keptUsernames = keptPasswords = kNotRead; }
