// A text value made of comma-separated numbers that its host reads as `Parsed`. The text is
// what is stored, so saving, checkpoints and rollback work on it; the parsed form follows the
// text after every load, text input, rollback and delta, and a text that does not parse keeps
// the parsed form as it was.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "VCommaNumbers.h"
#include "VProfile2.h"

template <typename Parsed>
class VProfileNumbersText : public VProfile2<VString, VProfileSz> {
 public:
  // Loads the text like any text value, then reads the parsed form from it.
  bool Load(VProfileKey* key, VString const& defaultValue) {
    VProfile2::Load(key, defaultValue);
    ParseText();
    return true;
  }

  bool SetFromText(VString const& text, IProfileTextConverter& converter, IReportMessageParams& report) override {
    if (!VProfile2::SetFromText(text, converter, report)) return false;
    ParseText();
    return true;
  }

  void Rollback() override {
    VProfile2::Rollback();
    ParseText();
  }

  void ApplyDelta(VProfileData const* other) override {
    VProfile2::ApplyDelta(other);
    ParseText();
  }

  VOptionForm Form() const override { return VOptionForm::Layout; }

  // Takes the empty text or one that parses whole, so that the text keeps showing the numbers.
  bool FromText(VString const& text, VString& error) override {
    Parsed parsed{};
    if (!text.IsEmpty() && !Parse(text.View(), parsed)) {
      error = VOptionText::Refusal(GetName(), Form(), text);
      return false;
    }
    VString::operator=(text);
    ParseText();
    return true;
  }

 protected:
  Parsed const& GetParsed() const { return m_parsed; }

  // Replaces the parsed form, and the text with `numbers`, the same form written out.
  void Assign(Parsed const& parsed, std::vector<int64_t> const& numbers) {
    m_parsed = parsed;
    VString::operator=(VCommaNumbers::Join(numbers));
  }

  // False, with `parsed` untouched, for a text that does not hold a whole parsed form.
  virtual bool Parse(std::string_view text, Parsed& parsed) const = 0;

 private:
  void ParseText() { Parse(View(), m_parsed); }

  Parsed m_parsed{};
};
