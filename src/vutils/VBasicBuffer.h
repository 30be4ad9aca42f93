// The library's IBuffer: a heap block with a length, starting with one reference. With the
// wipe flag every block is zeroed before it is freed (buffers that carry secrets).
#pragma once

#include <atomic>

#include "IBuffer.h"

class VBasicBuffer : public IBuffer {
 public:
  VBasicBuffer(unsigned int capacity, bool wipe);
  VBasicBuffer(VBasicBuffer const&) = delete;
  VBasicBuffer& operator=(VBasicBuffer const&) = delete;

  // No further interface is offered.
  HRESULT QueryInterface(REFIID iid, void** object) override;
  unsigned long AddRef() override;
  unsigned long Release() override;
  unsigned char* Data() override { return m_data; }
  unsigned char const* Data() const override { return m_data; }
  unsigned int Capacity() const override { return m_capacity; }
  unsigned int Length() const override { return m_length; }
  // Sets ERROR_INSUFFICIENT_BUFFER beyond the capacity, ERROR_INVALID_PARAMETER below 0.
  bool SetLength(int n) override;
  // Sets ERROR_NOT_ENOUGH_MEMORY when the grown size cannot be had or exceeds 32 bits.
  void* Append(void const* data, unsigned int count, unsigned int extra) override;

 protected:
  ~VBasicBuffer() override;

 private:
  void Free();

  std::atomic<unsigned long> m_references{1};
  unsigned char* m_data = nullptr;
  unsigned int m_capacity = 0;
  unsigned int m_length = 0;
  bool m_wipe;
};
