// Where a drag over the Connect dialog's tree would land and what it would do: the zone of the
// item under the pointer (within 3 pixels of its top edge "before", of its bottom edge "after",
// else "on") and the effect of the modifier keys (none or Alt moves, Ctrl copies, any other
// combination refuses).
#pragma once

#include <Qt>

class ConnectDropZone {
 public:
  enum class Zone { Before, On, After };
  enum class Effect { Move, Copy, Refused };

  static constexpr int kEdge = 3;

  // The zone of `y` over an item whose row starts at `top` and is `height` pixels high.
  static Zone Of(int top, int height, int y);
  static Effect EffectOf(Qt::KeyboardModifiers keys);
};
