// Page margins in inches, stored as 32 bytes: left, right, top and bottom as little-endian
// IEEE 754 doubles, in that order.
#pragma once

struct VMarginData {
  double left;
  double right;
  double top;
  double bottom;

  bool operator==(VMarginData const& other) const = default;
};

static_assert(sizeof(VMarginData) == 32, "the stored form of margins is 32 bytes");
