// The reference counting of the library's own component-object classes: an interlocked count
// that starts at 1 for the creator, QueryInterface that knows no further interface, and
// destruction through the virtual destructor when the last reference goes.
#pragma once

#include <atomic>

#include "platform/types/WinTypes.h"

template <typename I>
class VUnknown : public I {
 public:
  HRESULT QueryInterface(REFIID, void** object) override {
    if (object) *object = nullptr;
    return E_NOINTERFACE;
  }
  unsigned long AddRef() override { return static_cast<unsigned long>(++m_refs); }
  unsigned long Release() override {
    long const left = --m_refs;
    if (left <= 0) {
      delete this;
      return 0;
    }
    return static_cast<unsigned long>(left);
  }

 protected:
  VUnknown() = default;
  // A copy is a new object: its creator holds the one reference.
  VUnknown(VUnknown const& other) : I(other) {}
  VUnknown& operator=(VUnknown const&) = delete;
  virtual ~VUnknown() = default;

 private:
  std::atomic<long> m_refs{1};
};
