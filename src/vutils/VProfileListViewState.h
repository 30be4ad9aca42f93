// The layout of a list view, kept as a text value: four numbers (the third unsigned), the
// column count, then three numbers per column ("1,1,1,0,2,100,1,0,80,1,1"). The numbers belong
// to the host's list view; this value only keeps them, and its text always shows them, so
// saving, checkpoints and rollback work on the text.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "VProfile2.h"

class VProfileListViewState : public VProfile2<VString, VProfileSz> {
 public:
  struct ColumnInfo {
    int32_t first = 0;
    unsigned char flag = 0;
    int32_t second = 0;
    bool operator==(ColumnInfo const& other) const = default;
  };

  struct Layout {
    int32_t first = 0;
    int32_t second = 0;
    uint32_t third = 0;
    int32_t fourth = 0;
    std::vector<ColumnInfo> columns;  // their number is the fifth number of the text
    bool operator==(Layout const& other) const = default;
  };

  // Loads the text like any text value, then reads the layout from it; a text that does not
  // hold a whole layout keeps the layout as it was.
  bool Load(VProfileKey* key, VString const& defaultValue);
  bool SetFromText(VString const& text, IProfileTextConverter& converter, IReportMessageParams& report) override;
  void Rollback() override;
  void ApplyDelta(VProfileData const* other) override;

  VOptionForm Form() const override { return VOptionForm::Layout; }
  // Takes the empty text or a whole layout, so that the text keeps showing the numbers.
  bool FromText(VString const& text, VString& error) override;

  Layout const& GetLayout() const { return m_layout; }
  // Replaces the layout and the text with it.
  void SetLayout(Layout const& layout);

 private:
  void ParseText() { Parse(View(), m_layout); }
  // False, with `layout` untouched, for a text that does not hold a whole layout.
  static bool Parse(std::string_view text, Layout& layout);

  Layout m_layout;
};
