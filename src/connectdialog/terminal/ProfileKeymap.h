// A session's own key overrides: a keymap stored as one binary value of the session's key
// (ProfileKeymapFormat) that takes part in the save / checkpoint / rollback / apply-delta
// protocol of profile values. It has no fallback keymap of its own and is never read from or
// written to a keymap file: the file Load and Save do nothing and succeed.
#pragma once

#include <memory>

#include "VProfileData.h"
#include "VProfileKind.h"
#include "terminal/Keymap.h"

class ProfileKeymap : public VProfileData, public Keymap {
 public:
  // One binary value of the session's key, though it loads by name like a list.
  static constexpr VProfileKind kProfileKind = VProfileKind::Binary;

  ProfileKeymap() = default;
  ProfileKeymap(ProfileKeymap const& other);
  // Takes name, entries and checkpoint, and marks this value dirty.
  ProfileKeymap& operator=(ProfileKeymap const& other);
  ~ProfileKeymap() override = default;

  // Records `name`. Without a key changes nothing else and succeeds. Otherwise unmaps every
  // entry and reads the stored records; false when the value is missing, unreadable or shorter
  // than 4 bytes. A value that ends inside a record keeps the records before it, succeeds and
  // takes no checkpoint; a whole value clears the dirty flag and becomes the checkpoint.
  bool Load(VProfileKey* key, char const* name);
  bool Load(VString const& path, VReportMessageParams& report) override;
  bool Save(VString const& path) override;

  // Writes when forced, dirty, or different from the checkpoint; a write clears the dirty flag.
  void Save(VProfileKey* key, bool force) override;
  // Different from the checkpoint; with no checkpoint, always.
  bool IsModified() const override;
  void Checkpoint() override;
  // Takes the checkpoint's name and entries and marks the value dirty; no checkpoint, no change.
  void Rollback() override;
  // Takes the name and entries of `other`, a ProfileKeymap, and marks the value dirty.
  void ApplyDelta(VProfileData const* other) override;

  // In text the stored form's bytes (VOptionText hex). FromText takes bytes that parse whole,
  // replacing every entry, or the empty text, which clears every entry (stored as no records);
  // what the text shows afterwards is the keymap's own stored form.
  VOptionForm Form() const override { return VOptionForm::Bytes; }
  VString ToText() const override;
  bool FromText(VString const& text, VString& error) override;

  // Same code and value, through the fallback chains, at every index.
  static bool SameEntries(Keymap const& a, Keymap const& b);

 private:
  // The entries copied straight in, without clearing the codes first.
  explicit ProfileKeymap(Keymap const& entries) : Keymap(entries) {}
  void TakeEntries(ProfileKeymap const& other);
  // A copy of name and entries without a checkpoint of its own.
  std::unique_ptr<ProfileKeymap> Snapshot() const;

  std::unique_ptr<ProfileKeymap> m_checkpoint;
};
