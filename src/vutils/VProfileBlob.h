// A binary value of any length. Unlike the other values it is written at every save that has
// bytes to write (an empty blob is no stored value), and its checkpoint is a whole copy that exists only after the first
// Checkpoint. Copying bytes in from another blob (assignment, Rollback, ApplyDelta) marks it
// dirty.
#pragma once

#include <memory>
#include <vector>

#include "VProfileData.h"

class VProfileBlob : public VProfileData {
 public:
  VProfileBlob() = default;
  VProfileBlob(VProfileBlob const& other);
  VProfileBlob& operator=(VProfileBlob const& other);

  // Sets the name. Without a key keeps the bytes and succeeds; otherwise false when the stored
  // value is missing, empty or not binary (the blob is then empty).
  bool Load(VProfileKey* key, char const* name);
  // Writes the bytes whatever `force` says; an empty blob writes nothing, unless the empty text
  // cleared it, which deletes the stored value.
  void Save(VProfileKey* key, bool force) override;
  // Against the last checkpoint; before any checkpoint, against the empty blob.
  bool IsModified() const override;
  void Checkpoint() override;
  void Rollback() override;
  void ApplyDelta(VProfileData const* other) override;

  VOptionForm Form() const override { return VOptionForm::Bytes; }
  VString ToText() const override;
  // The empty text clears the blob, and its next save deletes the stored value.
  bool FromText(VString const& text, VString& error) override;

  void Assign(void const* data, unsigned long length);
  unsigned char const* Data() const { return m_bytes.data(); }
  unsigned long Length() const { return static_cast<unsigned long>(m_bytes.size()); }

 private:
  void CopyFrom(VProfileBlob const& other);

  std::vector<unsigned char> m_bytes;
  bool m_clearStored = false;
  std::unique_ptr<VProfileBlob> m_checkpoint;
};
