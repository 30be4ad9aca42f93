#include "SessionDefaultDelta.h"

#include <charconv>
#include <cstdint>
#include <memory>
#include <optional>

#include "VMemoryStoreFactory.h"
#include "VProfileKey.h"
#include "VProfileRecord.h"
#include "VProfileStore.h"
#include "database/SessionDatabase.h"
#include "platform/registry/NameFolding.h"
#include "session/SessionConfig.h"

namespace {

struct Option {
  std::vector<int> path;  // row indices, through nested records
  VProfileKind kind = VProfileKind::Number;
};

std::optional<Option> Find(VProfileRecord const& record, std::string const& folded) {
  VProfileOptionTable const& table = record.ProfileTable();
  for (int i = 0; i < table.Count(); ++i) {
    if (table.Kind(i) == VProfileKind::Record) {
      auto const* nested = dynamic_cast<VProfileRecord const*>(table.Member(record, i));
      if (!nested) continue;
      std::optional<Option> found = Find(*nested, folded);
      if (!found) continue;
      found->path.insert(found->path.begin(), i);
      return found;
    }
    if (FoldName(table.Name(i)) == folded) return Option{{i}, table.Kind(i)};
  }
  return std::nullopt;
}

// The record holding the option, and the option's row in it.
VProfileRecord* Owner(VProfileRecord* record, std::vector<int> const& path) {
  for (size_t step = 0; step + 1 < path.size(); ++step)
    record = dynamic_cast<VProfileRecord*>(record->ProfileTable().Member(*record, path[step]));
  return record;
}

std::optional<uint32_t> ParseNumber(std::string const& text) {
  bool const hex = text.starts_with("0x") || text.starts_with("0X");
  char const* const first = text.data() + (hex ? 2 : 0);
  char const* const last = text.data() + text.size();
  int64_t value = 0;
  auto const [end, error] = std::from_chars(first, last, value, hex ? 16 : 10);
  if (first == last || error != std::errc() || end != last || value < INT32_MIN || value > UINT32_MAX)
    return std::nullopt;
  return static_cast<uint32_t>(value);
}

struct Releaser {
  void operator()(ISessionConfig* session) const { session->Release(); }
};
using SessionRef = std::unique_ptr<ISessionConfig, Releaser>;

}  // namespace

ISessionConfig* SessionDefaultDelta::Fail(std::string reason) {
  m_error = std::move(reason);
  return nullptr;
}

ISessionConfig* SessionDefaultDelta::Build(std::vector<std::string> const& assignments) {
  SessionDatabase db(0);
  SessionRef delta(db.Lookup(SessionDatabase::kDefaultName));
  SessionRef edited(db.Lookup(SessionDatabase::kDefaultName));
  auto* deltaRecord = dynamic_cast<SessionConfig*>(delta.get());
  auto* editedRecord = dynamic_cast<SessionConfig*>(edited.get());
  if (!deltaRecord || !editedRecord) return Fail("the default session cannot be loaded");
  deltaRecord->Checkpoint();
  // Each value is read through the option's own load, from a scratch key.
  VMemoryStoreFactory scratchFactory;
  VProfileStore scratch(&scratchFactory);
  for (std::string const& assignment : assignments) {
    size_t const equals = assignment.find('=');
    if (equals == std::string::npos || equals == 0)
      return Fail("\"" + assignment + "\" is not NAME=VALUE");
    std::string const name = assignment.substr(0, equals);
    std::string const value = assignment.substr(equals + 1);
    std::optional<Option> option = Find(*editedRecord, FoldName(name));
    if (!option) return Fail("the session has no option named \"" + name + "\"");
    VProfileKey key(scratch.Root(), "value");
    int const row = option->path.back();
    VProfileRecord* owner = Owner(editedRecord, option->path);
    char const* stored = owner->ProfileTable().Name(row);
    if (option->kind == VProfileKind::Number) {
      std::optional<uint32_t> number = ParseNumber(value);
      if (!number) return Fail("\"" + name + "\" is a number, not \"" + value + "\"");
      key.SetDword(stored, *number);
    } else if (option->kind == VProfileKind::Text) {
      key.SetSz(stored, value.c_str());
    } else {
      return Fail("\"" + name + "\" is not a number or a text; it cannot be set here");
    }
    owner->ProfileTable().LoadMember(*owner, row, &key);
    VProfileRecord* target = Owner(deltaRecord, option->path);
    target->ProfileTable().Member(*target, row)->ApplyDelta(owner->ProfileTable().Member(*owner, row));
  }
  return delta.release();
}
