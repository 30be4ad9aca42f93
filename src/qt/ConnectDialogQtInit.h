// The one call a Qt host makes, after creating its QApplication and before the library shows
// anything: installs the Qt user interface (message boxes, choosers, icons) and the Qt presenter
// with the window of every dialog model, so each DoModal of the library opens a real window.
// Calling it again does nothing.
#pragma once

class QtDialogPresenter;
class QtUserInterface;

void ConnectDialogQtInit();

// The installed Qt presenter (installing it first if needed), for a host that adds its own windows.
QtDialogPresenter& GetQtDialogPresenter();
// The Qt user interface ConnectDialogQtInit installs, for windows that draw its icons.
QtUserInterface& GetQtUserInterface();
