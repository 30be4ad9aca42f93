// The user-interface operations that library logic needs, so that every rule which shows a
// message or asks for a file or a text can run with or without a display. Called from the
// host's user-interface thread only. No operation throws.
#pragma once

#include <string>

#include "platform/types/UserInterfaceCodes.h"
#include "platform/types/WinTypes.h"
#include "platform/ui/UpgradeOffer.h"

class UserInterface {
 public:
  enum class FileChooser { Open, Save, Folder };

  virtual ~UserInterface() = default;

  // Shows `text` with the buttons, icon and default button of `type` (MB_* flags) and returns
  // the button pressed (IDOK, IDCANCEL, IDYES or IDNO). An empty caption stands for the
  // application's name.
  virtual int MessageBox(std::string const& text, std::string const& caption, unsigned int type) = 0;

  // Lets the user pick a file (or, for Folder, a folder) in a chooser titled `title` (empty: the toolkit's own title) that
  // proposes the file name `proposedName`. `filter` is in the "Name (*.ext)|*.ext||" form; `path`
  // holds the initial path and receives the choice; `defaultExtension` is the extension the
  // chooser suggests for a name typed without one. False, with `path` untouched, when cancelled.
  virtual bool ChooseFile(FileChooser kind, std::string const& title, std::string const& proposedName,
                          std::string const& filter, std::string& path, std::string const& defaultExtension = "") = 0;

  // Asks for one line of text; `text` holds the initial text and receives the answer. False,
  // with `text` untouched, when cancelled.
  virtual bool PromptText(std::string const& prompt, std::string const& caption, std::string& text) = 0;

  // Shows the download offer and returns the button pressed.
  virtual UpgradeChoice OfferUpgrade(UpgradeOffer const& offer) = 0;

  // Shows the busy cursor until called with false.
  virtual void SetBusyCursor(bool busy) = 0;

  // The colours of window backgrounds and of text on them.
  virtual COLORREF WindowColor() const = 0;
  virtual COLORREF WindowTextColor() const = 0;
  // Whether the desktop smooths the edges of screen fonts.
  virtual bool FontSmoothing() const = 0;

  // Icons, each owned by the caller until DestroyIcon. Sizes are 32 (large) and 16 (small).
  // The large and small icon at `index` of `file`, an icon-theme name or an icon file's path,
  // in `depth` bits per pixel. False, with both outputs untouched, when either cannot be had.
  virtual bool ExtractIcons(std::string const& file, int index, int depth, HICON* large, HICON* small) = 0;
  // The same from the shell's stock icons (3 a closed folder, 4 an open folder).
  virtual bool ExtractShellIcons(int index, HICON* large, HICON* small) = 0;
  // An icon of `size` pixels from the application's resources; null when there is none.
  virtual HICON LoadResourceIcon(unsigned int resource, int size) = 0;
  virtual void DestroyIcon(HICON icon) = 0;
  // The colour depth of the display.
  virtual int DisplayBitsPerPixel() const = 0;
};

// The process's user interface: a headless one until a host or a test installs another.
UserInterface& GetUserInterface();
// Installs `ui` (not owned) in place of the default; null restores the default.
void SetUserInterface(UserInterface* ui);
