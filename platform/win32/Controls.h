// Child controls created from tables that read like the window layouts: kind, caption, position, size,
// style, id, tab order.
#pragma once

#include <windows.h>

#include <commctrl.h>

#include <cstddef>
#include <optional>

#include "platform/win32/Handles.h"

// A font of the given face and pixel height in the Shift_JIS character set.
FontOwner MakeFont(const char* face, int pixelHeight, bool bold = false);

// From now on MakeFont asks for substitute where it is given face, as a system that lacks the face gives
// another of other widths; the face itself again when substitute is empty. How the windows are laid out in
// a font other than the one their tables were measured in.
void SubstituteFontFace(const char* face, const char* substitute);

// Class name of a plain container that hands its children's notifications (WM_COMMAND, WM_NOTIFY,
// WM_CTLCOLOR*, WM_DRAWITEM) on to its own parent, so that a window's handlers see the clicks of controls
// that sit on its panels. CreateControls registers it before it makes the first control.
inline constexpr char kPanelClass[] = "RominadoPanel";
// Registers the panel class on first use and returns its name.
const char* PanelClassName(HINSTANCE instance);

struct ControlSpec {
    int id;                   // control id; also how the table refers to a parent (0: the window itself)
    const char* windowClass;  // "BUTTON", "EDIT", "STATIC", kPanelClass, a common control class
    const char* caption;
    DWORD style;                   // WS_CHILD and WS_VISIBLE are added
    int left, top, width, height;  // pixels at 96 DPI, relative to the parent
    int parentId;
    int tabOrder;  // position among its siblings' tab stops; -1 for controls without one. A container
                   // (WS_EX_CONTROLPARENT) is no stop itself: the keyboard goes into its children.
    DWORD exStyle = 0;
};

// Creates the controls of a table under window, giving each the font. Siblings are created in their tab
// order (the system's tab order is the creation order); controls without a tab stop come after them. A
// parent must come before its children in the table. Returns false when a control cannot be created.
bool CreateControls(HWND window, const ControlSpec* specs, std::size_t count, HFONT font);

template <std::size_t N>
bool CreateControls(HWND window, const ControlSpec (&specs)[N], HFONT font) {
    return CreateControls(window, specs, N, font);
}

// What a program adds to a control's own handling: the answer to a message, or nullopt to leave the message
// to the control.
using ControlMessageHandler = std::optional<LRESULT> (*)(HWND control, UINT msg, WPARAM wparam,
                                                         LPARAM lparam);

template <ControlMessageHandler handler>
LRESULT CALLBACK ControlSubclassProcedure(HWND control, UINT msg, WPARAM wparam, LPARAM lparam, UINT_PTR id,
                                          DWORD_PTR) {
    if (msg == WM_NCDESTROY) {
        RemoveWindowSubclass(control, &ControlSubclassProcedure<handler>, id);
    } else if (const std::optional<LRESULT> answer = handler(control, msg, wparam, lparam)) {
        return *answer;
    }
    return DefSubclassProc(control, msg, wparam, lparam);
}

// Puts handler before the control's own handling for the rest of the control's life.
template <ControlMessageHandler handler>
void AddControlHandler(HWND control) {
    SetWindowSubclass(control, &ControlSubclassProcedure<handler>, 1, 0);
}

// The control of that id anywhere below window (controls on panels included).
HWND FindControl(HWND window, int id);
