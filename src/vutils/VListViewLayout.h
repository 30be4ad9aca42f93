// The numbers of a list view's layout as its host reads them: four numbers (the third
// unsigned) and three per column.
#pragma once

#include <cstdint>
#include <vector>

struct VListViewLayout {
  struct ColumnInfo {
    int32_t first = 0;
    unsigned char flag = 0;
    int32_t second = 0;
    bool operator==(ColumnInfo const& other) const = default;
  };

  int32_t first = 0;
  int32_t second = 0;
  uint32_t third = 0;
  int32_t fourth = 0;
  std::vector<ColumnInfo> columns;
  bool operator==(VListViewLayout const& other) const = default;
};
