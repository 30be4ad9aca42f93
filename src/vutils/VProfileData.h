// The base of every persisted value and every option record: a name within its key, a dirty
// flag, and the save / checkpoint / rollback / apply-delta protocol that records and dialogs
// drive. The dirty flag means "write at the next save even if nothing changed": it is set when
// a load fell back to the default, when a checkpoint committed a change, and by assignment;
// a successful load and every write clear it.
#pragma once

#include "VOptionForm.h"
#include "VString.h"

class IProfileTextConverter;
class IReportMessageParams;
class VProfileKey;
class VProfileRecord;

class VProfileData {
 public:
  VProfileData() = default;
  VProfileData(VProfileData const& other) = default;
  // Copies the name and marks the value dirty: what was assigned must reach the store.
  VProfileData& operator=(VProfileData const& other);
  virtual ~VProfileData() = default;

  // Sets current and checkpoint from text; false when the text cannot be taken.
  virtual bool SetFromText(VString const& text, IProfileTextConverter& converter, IReportMessageParams& report);
  // Writes when forced, dirty or changed since the checkpoint; a failed write is not reported.
  virtual void Save(VProfileKey* key, bool force) = 0;
  virtual bool IsModified() const = 0;
  virtual void Checkpoint() = 0;
  virtual void Rollback() = 0;
  // Takes over the current value of `other`, a value of the same class; anything else is ignored.
  virtual void ApplyDelta(VProfileData const* other) = 0;
  virtual VProfileData* Lookup(int index) const;
  virtual void SaveExtra(VProfileKey* key, bool force);
  virtual bool IsDirty() const { return m_dirty; }

  // The option model (VOptionText has the forms). ToText gives the current value in its form's
  // text; secrets give only whether they hold anything. FromText takes a text of that form as
  // the current value, leaving checkpoint and dirty flag alone, so that IsModified sees it and
  // the next save writes it. A refused text changes nothing and leaves in `error` a message
  // naming the option and the form it accepts.
  virtual VOptionForm Form() const = 0;
  virtual VString ToText() const = 0;
  virtual bool FromText(VString const& text, VString& error) = 0;
  // The record whose options this value stands for (itself for a record, the selected protocol's
  // record for a connection side); null for a plain value.
  virtual VProfileRecord* NestedRecord() const { return nullptr; }

  void SetName(char const* name) { m_name = name; }
  VString const& GetName() const { return m_name; }
  void SetDirty(bool dirty) { m_dirty = dirty; }

 protected:
  bool NeedsSave(bool force) const { return force || IsDirty() || IsModified(); }

 private:
  VString m_name;
  bool m_dirty = false;
};
