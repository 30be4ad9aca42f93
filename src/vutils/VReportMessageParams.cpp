#include "VReportMessageParams.h"

#include <cstdint>
#include <cstring>

#include "platform/msgtable/MessageInserts.h"
#include "platform/msgtable/MessageLookup.h"
#include "platform/registry/Utf16Text.h"

namespace {

std::string WideToUtf8(wchar_t const* text) {
  std::string out;
  for (; text && *text; ++text) {
    auto c = static_cast<char32_t>(*text);
    auto next = static_cast<char32_t>(text[1]);
    if (c >= 0xD800 && c <= 0xDBFF && next >= 0xDC00 && next <= 0xDFFF) {
      c = 0x10000 + ((c - 0xD800) << 10) + (next - 0xDC00);
      ++text;
    }
    Utf16Text::AppendUtf8(out, c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF) ? 0xFFFD : c);
  }
  return out;
}

char* CopyText(char const* text) {
  size_t length = text ? std::strlen(text) : 0;
  char* copy = new char[length + 1];
  if (length > 0) std::memcpy(copy, text, length);
  copy[length] = '\0';
  return copy;
}

}  // namespace

VReportMessageParams::VReportMessageParams() : m_module(MessageModule::Library()) {}

VReportMessageParams::VReportMessageParams(unsigned long code, MessageModule const* module)
    : m_code(code), m_module(module) {}

VReportMessageParams::VReportMessageParams(VReportMessageParams const& other)
    : IReportMessageParams(), m_kind(other.m_kind) {
  CopyFrom(other);
  m_text = other.m_text;
  m_hasText = other.m_hasText;
}

VReportMessageParams& VReportMessageParams::operator=(VReportMessageParams const& other) {
  if (this != &other) {
    CopyFrom(other);
    m_kind = other.m_kind;
    m_text = other.m_text;
    m_hasText = other.m_hasText;
  }
  return *this;
}

VReportMessageParams::~VReportMessageParams() { FreeInserts(); }

unsigned long VReportMessageParams::AddRef() { return m_refs.fetch_add(1, std::memory_order_relaxed) + 1; }

unsigned long VReportMessageParams::Release() {
  unsigned long left = m_refs.fetch_sub(1, std::memory_order_acq_rel) - 1;
  if (left == 0) delete this;
  return left;
}

void VReportMessageParams::Reset(unsigned long code) {
  FreeInserts();
  m_code = code;
  m_kind = -1;
  m_module = MessageModule::Library();
  m_text.clear();
  m_hasText = false;
}

void VReportMessageParams::Assign(IReportMessageParams const* other) {
  auto const* source = dynamic_cast<VReportMessageParams const*>(other);
  if (!source || source == this) return;
  CopyFrom(*source);
  m_text.clear();
  m_hasText = false;
}

void VReportMessageParams::SetCode(unsigned long code) {
  m_code = code;
  m_text.clear();
  m_hasText = false;
}

void VReportMessageParams::AddWideString(wchar_t const* text) { AddString(WideToUtf8(text).c_str()); }

void VReportMessageParams::AddString(char const* text) {
  AddInsert(static_cast<unsigned long>(reinterpret_cast<uintptr_t>(CopyText(text))), kInsertString);
}

void VReportMessageParams::AddNumber(unsigned long number) { AddInsert(number, kInsertNumber); }

void* VReportMessageParams::GetModule() const { return const_cast<MessageModule*>(m_module); }

bool VReportMessageParams::IsStringInsert(int index) const {
  return index >= 0 && index < m_count && m_kinds[index] == kInsertString;
}

void VReportMessageParams::AddInsert(unsigned long slot, unsigned char kind) {
  if (m_count == m_capacity) {
    int capacity = 2 * (m_count + 1);
    auto slots = std::make_unique<unsigned long[]>(static_cast<size_t>(capacity));
    auto kinds = std::make_unique<unsigned char[]>(static_cast<size_t>(capacity));
    for (int i = 0; i < m_count; ++i) {
      slots[i] = m_slots[i];
      kinds[i] = m_kinds[i];
    }
    m_slots = std::move(slots);
    m_kinds = std::move(kinds);
    m_capacity = capacity;
  }
  m_slots[m_count] = slot;
  m_kinds[m_count] = kind;
  ++m_count;
}

void VReportMessageParams::CopyFrom(VReportMessageParams const& other) {
  FreeInserts();
  m_code = other.m_code;
  m_module = other.m_module;
  for (int i = 0; i < other.m_count; ++i) {
    if (other.m_kinds[i] == kInsertString)
      AddString(reinterpret_cast<char const*>(static_cast<uintptr_t>(other.m_slots[i])));
    else
      AddNumber(other.m_slots[i]);
  }
}

void VReportMessageParams::FreeInserts() {
  for (int i = 0; i < m_count; ++i)
    if (m_kinds[i] == kInsertString) delete[] reinterpret_cast<char*>(static_cast<uintptr_t>(m_slots[i]));
  m_slots.reset();
  m_kinds.reset();
  m_count = 0;
  m_capacity = 0;
}

char const* VReportMessageParams::Produce(bool singleLine) {
  if (!m_hasText) {
    m_text = MessageLookup::Text(m_code, m_module, MessageInserts{m_slots.get(), m_kinds.get(), m_count}, singleLine);
    m_hasText = true;
  }
  return m_text.c_str();
}
