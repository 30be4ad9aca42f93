// The user interface in Qt widgets: message boxes, file choosers, text prompts, the download
// offer, the busy cursor, the palette's colours, icons from the desktop's icon theme (drawn ones
// where the theme has none) and the screen's depth. Each box is application modal over the
// active window. Called from the GUI thread only, once a QApplication exists.
//
// An HICON it makes is a QIcon it owns until DestroyIcon; IconOf turns it back into one.
#pragma once

#include <QIcon>
#include <map>
#include <memory>

#include "platform/ui/UserInterface.h"

class QtUserInterface : public UserInterface {
 public:
  enum class Stock { ClosedFolder, OpenFolder, Session };

  QtUserInterface();
  ~QtUserInterface() override;

  int MessageBox(std::string const& text, std::string const& caption, unsigned int type) override;
  bool ChooseFile(FileChooser kind, std::string const& title, std::string const& proposedName,
                  std::string const& filter, std::string& path, std::string const& defaultExtension = "") override;
  bool PromptText(std::string const& prompt, std::string const& caption, std::string& text) override;
  UpgradeChoice OfferUpgrade(UpgradeOffer const& offer) override;
  void SetBusyCursor(bool busy) override;
  COLORREF WindowColor() const override;
  COLORREF WindowTextColor() const override;
  bool FontSmoothing() const override;
  bool ExtractIcons(std::string const& file, int index, int depth, HICON* large, HICON* small) override;
  bool ExtractShellIcons(int index, HICON* large, HICON* small) override;
  HICON LoadResourceIcon(unsigned int resource, int size) override;
  void DestroyIcon(HICON icon) override;
  int DisplayBitsPerPixel() const override;

  // A folder or session icon of the desktop's theme, else a drawn one.
  static QIcon StockIcon(Stock stock);
  // The icon of a handle this interface made and has not destroyed; a null icon otherwise.
  QIcon IconOf(HICON icon) const;
  // Gives the host's resource `resource` an icon; LoadResourceIcon has none for the others.
  void SetResourceIcon(unsigned int resource, QIcon icon);
  // How many icons are made and not yet destroyed.
  int LiveIcons() const { return static_cast<int>(m_icons.size()); }

 private:
  HICON MakeIcon(QIcon const& icon, int size);

  std::map<HICON, std::unique_ptr<QIcon>> m_icons;
  std::map<unsigned int, QIcon> m_resources;
  bool m_busy = false;
};
