#include "SessionDefaultDelta.h"

#include <memory>

#include "OptionInput.h"
#include "database/SessionDatabase.h"
#include "session/SessionConfig.h"

namespace {

struct Releaser {
  void operator()(ISessionConfig* session) const { session->Release(); }
};
using SessionRef = std::unique_ptr<ISessionConfig, Releaser>;

}  // namespace

ISessionConfig* SessionDefaultDelta::Fail(std::string reason) {
  m_error = std::move(reason);
  return nullptr;
}

// The values are taken as current values over a checkpoint, so exactly the named options differ.
ISessionConfig* SessionDefaultDelta::Build(std::vector<std::string> const& texts) {
  SessionDatabase db(0);
  SessionRef delta(db.Lookup(SessionDatabase::kDefaultName));
  auto* record = dynamic_cast<SessionConfig*>(delta.get());
  if (!record) return Fail("the default session cannot be loaded");
  record->Checkpoint();
  OptionInput input(*record, false);
  std::vector<OptionInput::Assignment> assignments;
  if (!input.Split(texts, assignments) || !input.Apply(assignments)) return Fail(input.Error());
  return delta.release();
}
