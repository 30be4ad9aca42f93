// A message table over a fixed array of entries compiled into a module.
#pragma once

#include <span>
#include <string_view>

#include "platform/msgtable/MessageTable.h"

struct MessageEntry {
  unsigned long code;
  std::string_view text;
};

class StaticMessageTable : public MessageTable {
 public:
  // `entries` must outlive the table (they are normally static data).
  explicit StaticMessageTable(std::span<MessageEntry const> entries) : m_entries(entries) {}
  bool Find(unsigned long code, std::string_view& text) const override;
  std::span<MessageEntry const> Entries() const { return m_entries; }

 private:
  std::span<MessageEntry const> m_entries;
};
