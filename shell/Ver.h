// The about box TAboutBox: the program's picture, name, version, maker, date and purpose, and an OK button.
// Created hidden; shown modeless from the main window; OK and the close box only hide it.
#pragma once

#include <windows.h>

#include "platform/win32/Controls.h"
#include "platform/win32/Window.h"

// Control ids of the about box. None is IDOK or IDCANCEL: the box has no default and no cancel button.
enum AboutControl : int {
    kPanel1 = 300,
    kPanelFrame,
    kProgramIcon,
    kProductName,
    kVersion,
    kMaker,
    kLabel2,
    kAboutLabel1,
    kOKButton,
};

class TAboutBox : public SecondaryWindow {
public:
    // Creates the box hidden. The picture comes from the program's resources; without them it stays empty.
    // The program gives it no owner: a normal window that can go behind the main window.
    bool Create(HINSTANCE instance, HWND owner);

    // Shows the box and brings it to the front; the first showing centres it on the screen.
    void Show();

    void OKButtonClick();

protected:
    LRESULT HandleMessage(UINT msg, WPARAM wparam, LPARAM lparam) override;

private:
    // Fonts, controls and picture at the DPI the box is shown at.
    void ScaleTo(UINT dpi) override;

    FontOwner font_;
    FontOwner nameFont_;
    FontOwner versionFont_;
    FontOwner smallFont_;
    BitmapOwner picture_;
    bool shown_ = false;
};
