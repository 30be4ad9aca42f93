// The layout of a list view, kept as a text value: four numbers (the third unsigned), the
// column count, then three numbers per column ("1,1,1,0,2,100,1,0,80,1,1"). The numbers belong
// to the host's list view; this value only keeps them.
#pragma once

#include <string_view>

#include "VListViewLayout.h"
#include "VProfileNumbersText.h"

class VProfileListViewState : public VProfileNumbersText<VListViewLayout> {
 public:
  using ColumnInfo = VListViewLayout::ColumnInfo;
  using Layout = VListViewLayout;

  Layout const& GetLayout() const { return GetParsed(); }
  // Replaces the layout and the text with it.
  void SetLayout(Layout const& layout);

 protected:
  // A whole layout: the column count matches the numbers that follow, each within its field.
  bool Parse(std::string_view text, Layout& layout) const override;
};
