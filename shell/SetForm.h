// The settings window TForm2: two check boxes for the desktop and Send To shortcuts, and the apply and cancel
// buttons. Created hidden; shown modeless from the main window; closing it only hides it.
#pragma once

#include <windows.h>

#include <commctrl.h>

#include <memory>
#include <type_traits>

#include "platform/NameLookup.h"
#include "platform/ShellLinks.h"
#include "platform/win32/Controls.h"
#include "platform/win32/Dpi.h"
#include "platform/win32/Window.h"
#include "shell/Shortcuts.h"

// Control ids of the settings window. The cancel button has the id that Esc clicks in a dialog.
enum SetFormControl : int {
    kBtnCloce = IDCANCEL,
    kSetFormBevel = 200,
    kChkDesk,
    kChkSend,
    kBtSetn,
};

class TForm2 : public Window, private Prompts {
public:
    // flags are the main window's fields, read when the window is activated and set by applying.
    TForm2(ShortcutFlags flags, ShellLinks& shell, NameLookup& lookup);

    // Creates the window hidden at its designed place. False when the system refuses. The program gives it no
    // owner: a normal window that can go behind the main window.
    bool Create(HINSTANCE instance, HWND owner);

    // Shows the window and brings it to the front. Showing a hidden window runs FormActivate, and so does
    // activating it from another window of this program.
    void Show();

    // Handlers.
    void FormActivate();
    void BtSetnClick();
    void BtnCloceClick();

protected:
    LRESULT HandleMessage(UINT msg, WPARAM wparam, LPARAM lparam) override;

private:
    bool Confirm(const Text& text) override;
    void Inform(const Text& text) override;
    // Fonts, controls, button images and icons at the DPI the window is shown at.
    void ScaleTo(UINT dpi);

    ShortcutFlags flags_;
    ShortcutSettings settings_;
    FontOwner font_;
    ImageListOwner retryImage_;
    ImageListOwner cancelImage_;
    WindowIcons icons_;
    // While one of the window's own message boxes is open: activation coming back from it is no FormActivate.
    bool inBox_ = false;
    HWND focus_ = nullptr;  // the control that had the keyboard when the window was last left
};
