// A keyboard layout whose labels and virtual keys the test decides; installed as the process's
// layout for its lifetime. Keys it was not told about type nothing and have no virtual key.
#pragma once

#include <array>
#include <map>
#include <string>
#include <tuple>

#include "platform/keyboard/KeyboardLayout.h"

class FakeKeyboardLayout : public KeyboardLayout {
 public:
  FakeKeyboardLayout() { SetKeyboardLayout(this); }
  ~FakeKeyboardLayout() override { SetKeyboardLayout(nullptr); }
  FakeKeyboardLayout(FakeKeyboardLayout const&) = delete;
  FakeKeyboardLayout& operator=(FakeKeyboardLayout const&) = delete;

  // The key types `labels[m]` under combination m and maps `virtualKey`.
  void Key(unsigned int scanCode, bool extended, unsigned int virtualKey, std::array<char const*, 8> labels) {
    m_keys[{scanCode, extended}] = {virtualKey, labels};
  }

  std::string KeyLabel(unsigned int scanCode, bool extended, unsigned int modifiers) const override {
    auto const found = m_keys.find({scanCode, extended});
    return found == m_keys.end() || modifiers > 7 ? "" : found->second.second[modifiers];
  }
  unsigned int VirtualKey(unsigned int scanCode, bool extended) const override {
    auto const found = m_keys.find({scanCode, extended});
    return found == m_keys.end() ? 0 : found->second.first;
  }

 private:
  std::map<std::tuple<unsigned int, bool>, std::pair<unsigned int, std::array<char const*, 8>>> m_keys;
};
