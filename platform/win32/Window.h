// The base of the program's windows: one C++ object per window, found from the handle through
// GWLP_USERDATA, and the one place where an error raised by a handler is caught and reported.
#pragma once

#include <windows.h>

#include <exception>
#include <unordered_map>

#include "text/Text.h"

// The caption of the error report and the plain boxes: the application's title, which its main window gives
// as it is made. Empty until then.
void SetApplicationTitle(const Text& title);

// The error report: a message box captioned with the application title, the error icon, one OK button and
// the text with its full stop.
void ShowErrorReport(HWND owner, const Text& message);
// The error report of an exception that reached a boundary no exception may cross (a window or subclass
// procedure, the loop's hook): its own text for the program's errors, what() for any other.
void ReportEscapedError(HWND owner, const std::exception& error);

// A window's (or control's) whole text.
Text WindowText(HWND window);

// Plain, confirmation and information boxes, modal and centred on the screen.
void ShowPlainMessage(HWND owner, const Text& text);
bool AskConfirmation(HWND owner, const Text& text);  // true for "OK"
void ShowInformation(HWND owner, const Text& text);
// A question with はい, いいえ and キャンセル: IDYES, IDNO or IDCANCEL.
int AskYesNoCancel(HWND owner, const Text& text);

// Placement on the screens, in screen coordinates.
// rect moved, not resized, so that it lies inside area; one larger than area keeps its left and top edges
// there.
RECT FitInside(const RECT& rect, const RECT& area);
// The work area (the monitor less its task bars) of the monitor nearest to rect.
RECT NearestWorkArea(const RECT& rect);
// Moves the window just enough to lie on the work area of the monitor it is (mostly) on, as FitInside does.
void KeepOnWorkArea(HWND window);
// The window's outer rectangle in screen coordinates as it is when restored (minimized or maximized too).
RECT RestoredRect(HWND window);

class Window {
public:
    Window() = default;
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;
    virtual ~Window();

    HWND Handle() const { return hwnd_; }

    // The control of that id anywhere below the window (on its panels too); null when there is none.
    // Found once and then remembered: the search walks the window tree with a system call per window, some
    // tenths of a millisecond a lookup under Wine, and controls live as long as their window.
    HWND Item(int id) const;
    // Check boxes and radio buttons.
    bool IsChecked(int id) const;
    void SetChecked(int id, bool checked) const;
    Text ItemText(int id) const;
    void SetItemText(int id, const Text& text) const;

protected:
    struct FrameSpec {
        const char* className;
        const char* caption;
        DWORD style;
        DWORD exStyle;
        int left, top;                  // CW_USEDEFAULT or screen pixels
        int clientWidth, clientHeight;  // the client area's size; the outer size when sizeIsOuter
        HWND owner;
        HICON icon;
        bool sizeIsOuter = false;
    };

    // Registers the class on first use and creates the window attached to this object. False when the
    // system refuses.
    bool CreateFrame(HINSTANCE instance, const FrameSpec& layout);

    // One message. The default passes it to DefWindowProcW. An exception that leaves it is reported with
    // ShowErrorReport and the message counts as handled.
    virtual LRESULT HandleMessage(UINT msg, WPARAM wparam, LPARAM lparam);

    LRESULT Default(UINT msg, WPARAM wparam, LPARAM lparam) {
        return DefWindowProcW(hwnd_, msg, wparam, lparam);
    }

private:
    static LRESULT CALLBACK Procedure(HWND hwnd, UINT msg, WPARAM wparam, LPARAM lparam);

    HWND hwnd_ = nullptr;
    mutable std::unordered_map<int, HWND> items_;  // controls found by Item, for this hwnd_ only
};

// A window the main window opens and shows again and again: its close box hides it, and on a monitor of
// another DPI it takes the rectangle the system suggests and lays itself out anew.
class SecondaryWindow : public Window {
protected:
    virtual void ScaleTo(UINT dpi) = 0;

    // Handles WM_DPICHANGED and WM_CLOSE; passes any other message to Default.
    LRESULT HandleMessage(UINT msg, WPARAM wparam, LPARAM lparam) override;
};
