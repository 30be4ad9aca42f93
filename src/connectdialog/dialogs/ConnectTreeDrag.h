// A drag over the Connect dialog's tree: the rules a front end measures with (the 3-pixel
// zones at an item's edges, the 10-pixel scrolling bands, the modifier keys' effect) and the
// drag in progress: its record, the item the pointer rests on and the wait before that item
// opens (1000 ms in user-arranged order, 750 ms in alphabetical order, on the process's clock).
#pragma once

#include <cstdint>
#include <string>

#include "dialogs/FolderTreeRecord.h"
#include "platform/timer/Countdown.h"

class ConnectTreeDrag {
 public:
  enum class Zone { Before, On, After };
  enum class Effect { None, Move, Copy };

  static constexpr int kEdgePixels = 3;
  static constexpr int kScrollPixels = 10;
  static constexpr uint64_t kUserArrangedWait = 1000;
  static constexpr uint64_t kAlphabeticalWait = 750;

  // The zone of a pointer `y` pixels below the top of an item `height` pixels high.
  static Zone ZoneAt(int y, int height);
  // A pointer `y` pixels below the top of a tree `height` pixels high scrolls it by one line:
  // -1 up, 1 down, 0 not at all.
  static int ScrollAt(int y, int height);
  // "none", "ctrl", "alt", "shift" and their combinations joined by '+' ("ctrl+shift"), any
  // letter case: none or Alt moves, Ctrl copies, anything else refuses. False for an unknown key.
  static bool EffectOfKeys(std::string const& keys, Effect& effect);
  // "before", "on" or "after"; false for anything else.
  static bool ParseZone(std::string const& text, Zone& zone);

  void Start(FolderTreeRecord record, bool sourceIsFolder);
  void End();
  bool IsActive() const { return m_active; }
  FolderTreeRecord const& Record() const { return m_record; }
  bool SourceIsFolder() const { return m_sourceIsFolder; }

  // The pointer is over `path`: another item than before starts a wait of `wait` ms.
  void Hover(std::string const& path, uint64_t wait);
  // True once, when the wait for the item under the pointer is over.
  bool TakeHoverDue();
  std::string const& HoverPath() const { return m_hoverPath; }
  // Milliseconds until the item under the pointer opens; 0 when nothing waits.
  uint64_t HoverRemaining() const { return m_wait.Remaining(); }

  // What the tree shows as the drop target; an empty target path with Zone::On shows none.
  void Show(std::string const& path, Zone zone, bool offered);
  bool TargetOffered() const { return m_offered; }
  std::string const& TargetPath() const { return m_targetPath; }
  Zone TargetZone() const { return m_targetZone; }

 private:
  bool m_active = false;
  FolderTreeRecord m_record;
  bool m_sourceIsFolder = false;
  bool m_hovering = false;
  std::string m_hoverPath;
  Countdown m_wait;
  bool m_offered = false;
  std::string m_targetPath;
  Zone m_targetZone = Zone::On;
};
