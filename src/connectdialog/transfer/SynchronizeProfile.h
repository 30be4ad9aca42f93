// The file-transfer host's synchronisation tasks, stored whole as flat values of the key
// "QuickSync" at the root of the profile store ("Task[0].Name", "Task[0].Source[0].Path" ...).
// The two host values are kept and compared with the profile but never stored. Load and Save
// open a store of their own (the installed factory), so the key handed to them is not used.
#pragma once

#include <array>
#include <memory>
#include <vector>

#include "VProfileData.h"
#include "transfer/SynchronizeTask.h"

class SynchronizeProfile : public VProfileData {
 public:
  static constexpr char const* kKeyName = "QuickSync";

  SynchronizeProfile() = default;
  // A copy holds no checkpoint of its own.
  SynchronizeProfile(SynchronizeProfile const& other);
  // Also assigns the checkpoint copies when both profiles hold one.
  SynchronizeProfile& operator=(SynchronizeProfile const& other);
  ~SynchronizeProfile() override;

  // Replaces the tasks with those stored in the top-level key `name`. Reading stops quietly at
  // the first incomplete task, and a task without sources or targets drops itself and the rest.
  // True when at least one task was read.
  bool Load(VProfileKey* key, char const* name);
  // Rewrites "QuickSync" whole, whatever `force` and the dirty flag say; nothing of a longer
  // earlier profile survives. Write failures are not reported.
  void Save(VProfileKey* key, bool force) override;
  // True until the first Checkpoint.
  bool IsModified() const override;
  void Checkpoint() override;
  // Leaves a never-checkpointed profile as it is.
  void Rollback() override;
  // Takes over the whole of `other`, a SynchronizeProfile; anything else is ignored.
  void ApplyDelta(VProfileData const* other) override;

  // In text the profile shows its tasks' names (VTextList); tasks are edited whole, never from text.
  VOptionForm Form() const override { return VOptionForm::List; }
  VString ToText() const override;
  bool FromText(VString const& text, VString& error) override;

  std::array<int, 2> hostValues = {-1, -1};
  std::vector<SynchronizeTask> tasks;

 private:
  std::unique_ptr<SynchronizeProfile> m_checkpoint;
};
