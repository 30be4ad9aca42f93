// Number and bool values: VProfile<int>, VProfile<unsigned int>, VProfile<unsigned long> and
// VProfile<bool>. The current value reads and assigns by conversion; assigning it never touches
// the checkpoint or the dirty flag. All are stored as a 32-bit number (bools as 1 or 0).
#pragma once

#include <cstdint>
#include <string>
#include <type_traits>

#include "IProfileTextConverter.h"
#include "VOptionText.h"
#include "VProfileDword.h"

template <typename T>
class VProfile : public VProfileDword {
  static_assert(std::is_same_v<T, int> || std::is_same_v<T, unsigned int> || std::is_same_v<T, unsigned long>,
                "numbers are 32-bit integers");

 public:
  operator T() const { return m_value; }  // NOLINT: the value stands for its number
  VProfile& operator=(T value) {
    m_value = value;
    return *this;
  }

  // The radix SetFromText reads in.
  void SetRadix(int radix) { m_radix = radix; }
  int GetRadix() const { return m_radix; }

  bool Load(VProfileKey* key, T const& defaultValue) {
    unsigned long stored = 0;
    bool const found = ReadDword(key, stored);
    m_value = found ? FromBits(static_cast<uint32_t>(stored)) : defaultValue;
    SetDirty(!found);
    m_checkpoint = m_value;
    return true;
  }

  bool SetFromText(VString const& text, IProfileTextConverter&, IReportMessageParams&) override {
    int32_t number = 0;
    if (!ParseInt32(text, m_radix, number)) return false;
    m_value = m_checkpoint = FromBits(static_cast<uint32_t>(number));
    SetDirty(false);
    return true;
  }

  void Save(VProfileKey* key, bool force) override {
    if (!NeedsSave(force)) return;
    WriteDword(key, static_cast<uint32_t>(m_value));
    SetDirty(false);
    m_checkpoint = m_value;
  }

  bool IsModified() const override { return m_value != m_checkpoint; }

  void Checkpoint() override {
    if (IsModified()) SetDirty(true);
    m_checkpoint = m_value;
  }

  void Rollback() override { m_value = m_checkpoint; }

  void ApplyDelta(VProfileData const* other) override {
    if (auto const* same = dynamic_cast<VProfile const*>(other)) m_value = same->m_value;
  }

  VOptionForm Form() const override { return kSigned ? VOptionForm::Number : VOptionForm::Unsigned; }
  // The 32 bits a save writes, read as the kind's number.
  VString ToText() const override {
    uint32_t const bits = static_cast<uint32_t>(m_value);
    return VString(kSigned ? std::to_string(static_cast<int32_t>(bits)) : std::to_string(bits));
  }
  bool FromText(VString const& text, VString& error) override {
    uint32_t bits = 0;
    if (!VOptionText::ParseNumber(text.View(), kSigned, bits)) {
      error = VOptionText::Refusal(GetName(), Form(), text);
      return false;
    }
    m_value = FromBits(bits);
    return true;
  }

 private:
  static constexpr bool kSigned = std::is_signed_v<T>;

  static T FromBits(uint32_t bits) { return static_cast<T>(bits); }

  T m_value{};
  T m_checkpoint{};
  int m_radix = 10;
};

template <>
class VProfile<bool> : public VProfileDword {
 public:
  operator bool() const { return m_value; }  // NOLINT: the value stands for its flag
  VProfile& operator=(bool value) {
    m_value = value;
    return *this;
  }

  // Any non-zero number loads as true.
  bool Load(VProfileKey* key, bool const& defaultValue);
  // Asks the converter's bool conversion; on success the text becomes current and checkpoint.
  bool SetFromText(VString const& text, IProfileTextConverter& converter, IReportMessageParams& report) override;
  void Save(VProfileKey* key, bool force) override;
  bool IsModified() const override { return m_value != m_checkpoint; }
  void Checkpoint() override;
  void Rollback() override { m_value = m_checkpoint; }
  void ApplyDelta(VProfileData const* other) override;

  VOptionForm Form() const override { return VOptionForm::Flag; }
  VString ToText() const override { return VOptionText::FlagText(m_value); }
  bool FromText(VString const& text, VString& error) override;

 private:
  bool m_value = false;
  bool m_checkpoint = false;
};
