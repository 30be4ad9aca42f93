// The base of every option record: a VProfileData whose persisted members are listed once per
// class in a static table named _profileOffsets, and whose Save, IsModified, Checkpoint,
// Rollback and ApplyDelta are single passes over that table in its order. A nested record is a
// member like a value and keeps its options in the enclosing record's key.
//
// To declare one: give the class its value members, a static VProfileTable<R> const
// _profileOffsets with one row per member ({"Stored Name", &R::member, default}, see
// VProfileOption), ProfileTable() returning it, and a constructor that calls Load(key).
//
// Members left out of the table are not persisted by these loops; a record may load such a
// member by hand in its constructor and write it from SaveExtra, which Save calls first.
// Tables are built during static initialisation: no record may be built before main.
#pragma once

#include "VProfileData.h"
#include "VProfileOptionTable.h"

class VProfileRecord : public VProfileData {
 public:
  ~VProfileRecord() override = default;

  virtual VProfileOptionTable const& ProfileTable() const = 0;

  // Loads every member in table order; an empty key gives defaults, all dirty.
  void Load(VProfileKey* key) { ProfileTable().Load(*this, key); }

  // SaveExtra, then each member into the same key; each member decides by itself whether to write.
  void Save(VProfileKey* key, bool force) override;
  bool IsModified() const override;
  void Checkpoint() override;
  void Rollback() override;
  // Takes over the members that `other` changed since its last checkpoint. `other` must be a
  // record of exactly this class; anything else is ignored. Nothing is checkpointed or saved.
  void ApplyDelta(VProfileData const* other) override;
  // No range check: only indices below ProfileTable().Count() are valid.
  VProfileData* Lookup(int index) const override { return ProfileTable().Member(*this, index); }

  // A record has no text of its own: its options are listed and set one by one (VOptionList).
  VOptionForm Form() const override { return VOptionForm::Nested; }
  VString ToText() const override { return VString(); }
  bool FromText(VString const& text, VString& error) override;
  VProfileRecord* NestedRecord() const override { return const_cast<VProfileRecord*>(this); }

 protected:
  VProfileRecord() = default;
  // Copies share the class table and nothing else; assignment marks the record and every
  // member dirty, so an assigned record writes everything at its next save.
  VProfileRecord(VProfileRecord const&) = default;
  VProfileRecord& operator=(VProfileRecord const&) = default;

 private:
  int Count() const { return ProfileTable().Count(); }
};
