#include "VBasicBuffer.h"

#include <cstdint>
#include <cstring>
#include <limits>
#include <new>

#include "platform/protect/SecureWipe.h"
#include "platform/types/LastError.h"

VBasicBuffer::VBasicBuffer(unsigned int capacity, bool wipe) : m_wipe(wipe) {
  m_data = new (std::nothrow) unsigned char[capacity > 0 ? capacity : 1];
  m_capacity = m_data ? capacity : 0;
}

VBasicBuffer::~VBasicBuffer() { Free(); }

void VBasicBuffer::Free() {
  if (m_data && m_wipe) SecureWipe(m_data, m_capacity);
  delete[] m_data;
  m_data = nullptr;
}

HRESULT VBasicBuffer::QueryInterface(REFIID, void** object) {
  if (object) *object = nullptr;
  return E_NOINTERFACE;
}

unsigned long VBasicBuffer::AddRef() { return ++m_references; }

unsigned long VBasicBuffer::Release() {
  unsigned long const remaining = --m_references;
  if (remaining == 0) delete this;
  return remaining;
}

bool VBasicBuffer::SetLength(int n) {
  if (n < 0) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return false;
  }
  if (static_cast<unsigned int>(n) > m_capacity) {
    m_length = m_capacity;
    SetLastError(ERROR_INSUFFICIENT_BUFFER);
    return false;
  }
  m_length = static_cast<unsigned int>(n);
  return true;
}

void* VBasicBuffer::Append(void const* data, unsigned int count, unsigned int extra) {
  if (m_capacity - m_length < count) {
    uint64_t const grown = uint64_t{m_length} + count + extra;
    unsigned char* fresh = grown <= std::numeric_limits<unsigned int>::max()
                               ? new (std::nothrow) unsigned char[static_cast<size_t>(grown)]
                               : nullptr;
    if (!fresh) {
      SetLastError(ERROR_NOT_ENOUGH_MEMORY);
      return nullptr;
    }
    if (m_length > 0) std::memcpy(fresh, m_data, m_length);
    Free();
    m_data = fresh;
    m_capacity = static_cast<unsigned int>(grown);
  }
  unsigned char* region = m_data + m_length;
  if (data && count > 0) std::memcpy(region, data, count);
  m_length += count;
  return region;
}
