// A small fixed-size record for binary option tests: four 32-bit coordinates, 16 bytes.
#pragma once

#include <cstdint>

struct SampleRect {
  int32_t left;
  int32_t top;
  int32_t right;
  int32_t bottom;

  bool operator==(SampleRect const&) const = default;
};
