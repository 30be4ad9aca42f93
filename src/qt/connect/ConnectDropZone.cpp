#include "qt/connect/ConnectDropZone.h"

ConnectDropZone::Zone ConnectDropZone::Of(int top, int height, int y) {
  if (y < top + kEdge) return Zone::Before;
  if (y >= top + height - kEdge) return Zone::After;
  return Zone::On;
}

ConnectDropZone::Effect ConnectDropZone::EffectOf(Qt::KeyboardModifiers keys) {
  Qt::KeyboardModifiers const relevant = keys & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
  if (relevant == Qt::NoModifier || relevant == Qt::AltModifier) return Effect::Move;
  if (relevant == Qt::ControlModifier) return Effect::Copy;
  return Effect::Refused;
}
