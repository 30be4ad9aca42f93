#include "transfer/SynchronizeProfile.h"

#include "VOptionText.h"
#include "VProfileKey.h"
#include "VProfileKeyIterator.h"
#include "VProfileStore.h"
#include "VTextList.h"
#include "transfer/SynchronizeValueNames.h"

namespace {

using Names = SynchronizeValueNames;

std::vector<SynchronizeSource> ReadSources(VProfileKey& key, int task) {
  std::vector<SynchronizeSource> sources;
  for (int j = 0;; ++j) {
    SynchronizeSource source;
    unsigned long recurse = 0;
    if (!key.GetSz(Names::Source(task, j, ".Session"), source.session) ||
        !key.GetSz(Names::Source(task, j, ".Path"), source.path) ||
        !key.GetDword(Names::Source(task, j, ".Recurse"), recurse))
      return sources;
    source.recurse = recurse != 0;
    sources.push_back(source);
  }
}

std::vector<SynchronizeTarget> ReadTargets(VProfileKey& key, int task) {
  std::vector<SynchronizeTarget> targets;
  for (int j = 0;; ++j) {
    SynchronizeTarget target;
    if (!key.GetSz(Names::Target(task, j, ".Session"), target.session) ||
        !key.GetSz(Names::Target(task, j, ".Path"), target.path))
      return targets;
    targets.push_back(target);
  }
}

// False when the task is missing or incomplete: loading ends there.
bool ReadTask(VProfileKey& key, int index, SynchronizeTask& task) {
  unsigned long type = 0;
  if (!key.GetSz(Names::Task(index, ".Name"), task.name) || !key.GetDword(Names::Task(index, ".Type"), type))
    return false;
  task.type = static_cast<int32_t>(type);
  task.sources = ReadSources(key, index);
  task.targets = ReadTargets(key, index);
  return !task.sources.empty() && !task.targets.empty();
}

void WriteTask(VProfileKey& key, int index, SynchronizeTask const& task) {
  key.SetSz(Names::Task(index, ".Name"), task.name);
  key.SetDword(Names::Task(index, ".Type"), static_cast<uint32_t>(task.type));
  for (int j = 0; j < static_cast<int>(task.sources.size()); ++j) {
    SynchronizeSource const& source = task.sources[static_cast<size_t>(j)];
    key.SetSz(Names::Source(index, j, ".Session"), source.session);
    key.SetSz(Names::Source(index, j, ".Path"), source.path);
    key.SetDword(Names::Source(index, j, ".Recurse"), source.recurse ? 1 : 0);
  }
  for (int j = 0; j < static_cast<int>(task.targets.size()); ++j) {
    SynchronizeTarget const& target = task.targets[static_cast<size_t>(j)];
    key.SetSz(Names::Target(index, j, ".Session"), target.session);
    key.SetSz(Names::Target(index, j, ".Path"), target.path);
  }
}

void DeleteAllValues(VProfileKey& key) {
  std::vector<VString> names;
  VProfileKeyIterator walk(&key, true);
  for (VString name; walk.Next(name);) names.push_back(name);
  for (VString const& name : names) key.DeleteValue(name);
}

}  // namespace

SynchronizeProfile::SynchronizeProfile(SynchronizeProfile const& other)
    : VProfileData(other), hostValues(other.hostValues), tasks(other.tasks) {}

SynchronizeProfile& SynchronizeProfile::operator=(SynchronizeProfile const& other) {
  if (this == &other) return *this;
  VProfileData::operator=(other);
  hostValues = other.hostValues;
  tasks = other.tasks;
  if (m_checkpoint && other.m_checkpoint) *m_checkpoint = *other.m_checkpoint;
  return *this;
}

SynchronizeProfile::~SynchronizeProfile() = default;

bool SynchronizeProfile::Load(VProfileKey* /*key*/, char const* name) {
  tasks.clear();
  VProfileStore store(true, nullptr);
  VProfileKey key(store.Root(), name);
  for (int i = 0;; ++i) {
    SynchronizeTask task;
    if (!ReadTask(key, i, task)) break;
    tasks.push_back(std::move(task));
  }
  return !tasks.empty();
}

void SynchronizeProfile::Save(VProfileKey* /*key*/, bool /*force*/) {
  VProfileStore store;
  VProfileKey key(store.Root(), kKeyName);
  DeleteAllValues(key);
  for (int i = 0; i < static_cast<int>(tasks.size()); ++i) WriteTask(key, i, tasks[static_cast<size_t>(i)]);
  SetDirty(false);
}

bool SynchronizeProfile::IsModified() const {
  return !m_checkpoint || hostValues != m_checkpoint->hostValues || tasks != m_checkpoint->tasks;
}

void SynchronizeProfile::Checkpoint() { m_checkpoint = std::make_unique<SynchronizeProfile>(*this); }

void SynchronizeProfile::Rollback() {
  if (m_checkpoint) *this = *m_checkpoint;
}

void SynchronizeProfile::ApplyDelta(VProfileData const* other) {
  if (auto const* profile = dynamic_cast<SynchronizeProfile const*>(other)) *this = *profile;
}

VString SynchronizeProfile::ToText() const {
  VStringArray names;
  for (SynchronizeTask const& task : tasks) names.Add(task.name);
  return VTextList::Format(names);
}

bool SynchronizeProfile::FromText(VString const& text, VString& error) {
  error = VOptionText::Refusal(GetName(), Form(), text);
  return false;
}
