#include "database/DefaultAnonymousPassword.h"

#include <string>

#include "database/GlobalConfigInstance.h"
#include "platform/shell/UserName.h"

namespace {

// The longest name the other hosts' fixed name buffer can take; a longer one counts as unknown
// there, and here too, so that every host gives the same password.
constexpr size_t kMaxUserName = 128;

}  // namespace

CString GetDefaultAnonymousPassword() {
  GlobalConfig* global = nullptr;
  GetGlobalConfig(global);
  if (!global->anonymousPassword.IsEmpty()) return CString(global->anonymousPassword.Str());
  std::string name;
  if (!UserName::Get(name) || name.size() > kMaxUserName) name = "guest";
  return CString(name + "@");
}
