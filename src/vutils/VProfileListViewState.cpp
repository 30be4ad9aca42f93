#include "VProfileListViewState.h"

#include <span>
#include <utility>
#include <vector>

namespace {

constexpr size_t kLeadingNumbers = 5;
constexpr size_t kNumbersPerColumn = 3;

template <typename T>
bool Take(int64_t number, T& field) {
  if (!std::in_range<T>(number)) return false;
  field = static_cast<T>(number);
  return true;
}

bool TakeColumns(std::span<int64_t const> numbers, std::vector<VProfileListViewState::ColumnInfo>& columns) {
  for (size_t i = 0; i < columns.size(); ++i) {
    std::span<int64_t const> const fields = numbers.subspan(i * kNumbersPerColumn, kNumbersPerColumn);
    auto& column = columns[i];
    if (!Take(fields[0], column.first) || !Take(fields[1], column.flag) || !Take(fields[2], column.second))
      return false;
  }
  return true;
}

}  // namespace

void VProfileListViewState::SetLayout(Layout const& layout) {
  std::vector<int64_t> numbers{layout.first, layout.second, layout.third, layout.fourth,
                               static_cast<int64_t>(layout.columns.size())};
  for (ColumnInfo const& column : layout.columns) numbers.insert(numbers.end(), {column.first, column.flag, column.second});
  Assign(layout, numbers);
}

bool VProfileListViewState::Parse(std::string_view text, Layout& layout) const {
  std::vector<int64_t> numbers;
  if (!VCommaNumbers::Parse(text, numbers) || numbers.size() < kLeadingNumbers) return false;
  Layout parsed;
  int32_t count = 0;
  if (!Take(numbers[0], parsed.first) || !Take(numbers[1], parsed.second) || !Take(numbers[2], parsed.third) ||
      !Take(numbers[3], parsed.fourth) || !Take(numbers[4], count) || count < 0 ||
      numbers.size() != kLeadingNumbers + kNumbersPerColumn * static_cast<size_t>(count))
    return false;
  parsed.columns.resize(static_cast<size_t>(count));
  if (!TakeColumns(std::span<int64_t const>(numbers).subspan(kLeadingNumbers), parsed.columns)) return false;
  layout = std::move(parsed);
  return true;
}
