// What a window laid out at some DPI must show: every control inside its parent's client area, no two sibling
// controls drawing over each other, and every caption as wide and as high as its text in its own font. Also
// how a test moves a window to another DPI as the system does.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <initializer_list>
#include <vector>

#include "platform/win32/Dpi.h"
#include "platform/win32/Handles.h"
#include "platform/win32/Window.h"

namespace layout {

inline RECT InParent(HWND control) {
    RECT rect;
    GetWindowRect(control, &rect);
    MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

inline bool IsClass(HWND window, const char* name) {
    char className[64] = {};
    GetClassNameA(window, className, sizeof className);
    return lstrcmpiA(className, name) == 0;
}

inline bool IsCheckOrRadio(HWND control) {
    const LONG type = GetWindowLongA(control, GWL_STYLE) & BS_TYPEMASK;
    return IsClass(control, "BUTTON") && (type == BS_AUTOCHECKBOX || type == BS_CHECKBOX ||
                                          type == BS_AUTORADIOBUTTON || type == BS_RADIOBUTTON);
}

// The room a caption needs: its text in the control's font, plus the box of a check box or radio button.
inline SIZE CaptionNeeds(HWND control, UINT dpi) {
    Text text = WindowText(control);
    text.erase(std::remove(text.begin(), text.end(), '&'), text.end());  // access-key marks are not drawn
    const WindowDcOwner dc(control);
    const ScopedSelectObject font(dc.get(),
                                  reinterpret_cast<HGDIOBJ>(SendMessageA(control, WM_GETFONT, 0, 0)));
    SIZE size{};
    GetTextExtentPoint32A(dc.get(), text.c_str(), static_cast<int>(text.size()), &size);
    TEXTMETRICA metrics{};
    GetTextMetricsA(dc.get(), &metrics);
    size.cy = metrics.tmHeight - metrics.tmInternalLeading;
    if (IsCheckOrRadio(control)) size.cx += MetricForDpi(SM_CXMENUCHECK, dpi) + ScaleForDpi(2, dpi);
    return size;
}

// What a control draws on: a check box, radio button or label from its left edge to the end of its caption
// (the table's sizes leave room past it, and neighbours may stand in that room), anything else its whole
// rectangle.
inline RECT Ink(HWND control, UINT dpi) {
    RECT rect = InParent(control);
    const bool label =
        IsClass(control, "STATIC") && (GetWindowLongA(control, GWL_STYLE) & SS_TYPEMASK) <= SS_RIGHT;
    if ((IsCheckOrRadio(control) || label) && !WindowText(control).empty())
        rect.right = std::min(rect.right, rect.left + CaptionNeeds(control, dpi).cx);
    return rect;
}

inline bool Shown(HWND control) {
    return (GetWindowLongA(control, GWL_STYLE) & WS_VISIBLE) != 0;  // the window itself may be hidden
}

// Owner-drawn buttons draw their captions themselves; their tests measure them.
inline bool DrawsItsOwnCaption(HWND control) {
    return IsClass(control, "BUTTON") && (GetWindowLongA(control, GWL_STYLE) & BS_TYPEMASK) == BS_OWNERDRAW;
}

// frames: ids of controls drawn around others (bevels, group boxes) or designed to overlap their neighbours,
// which are not held against their siblings. Returns how many controls it looked at.
inline int ExpectTidy(HWND parent, UINT dpi, std::initializer_list<int> frames) {
    RECT client;
    GetClientRect(parent, &client);
    std::vector<HWND> shown;
    int looked = 0;
    for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (!Shown(child)) continue;
        ++looked;
        const RECT rect = Ink(child, dpi);
        const int id = GetDlgCtrlID(child);
        EXPECT_TRUE(rect.left >= 0 && rect.top >= 0 && rect.right <= client.right &&
                    rect.bottom <= client.bottom)
            << "control " << id << " at " << rect.left << "," << rect.top << "-" << rect.right << ","
            << rect.bottom << " leaves its parent's " << client.right << " x " << client.bottom << " at "
            << dpi << " DPI";
        if (!WindowText(child).empty() && !DrawsItsOwnCaption(child) &&
            (IsClass(child, "BUTTON") || IsClass(child, "STATIC"))) {
            const RECT whole = InParent(child);
            const SIZE needs = CaptionNeeds(child, dpi);
            EXPECT_LE(needs.cx, whole.right - whole.left)
                << WindowText(child) << " is cut at " << dpi << " DPI";
            EXPECT_LE(needs.cy, whole.bottom - whole.top)
                << WindowText(child) << " is cut at " << dpi << " DPI";
        }
        if (std::find(frames.begin(), frames.end(), id) == frames.end()) shown.push_back(child);
        looked += ExpectTidy(child, dpi, frames);
    }
    for (std::size_t i = 0; i < shown.size(); ++i) {
        for (std::size_t j = i + 1; j < shown.size(); ++j) {
            const RECT a = Ink(shown[i], dpi), b = Ink(shown[j], dpi);
            RECT both;
            EXPECT_FALSE(IntersectRect(&both, &a, &b))
                << "controls " << GetDlgCtrlID(shown[i]) << " and " << GetDlgCtrlID(shown[j])
                << " overlap at " << dpi << " DPI";
        }
    }
    return looked;
}

// Sends what the system sends when the window comes onto a monitor of dpi: WM_DPICHANGED with the suggested
// rectangle, the window's client area scaled from the layout's width x height. Returns that rectangle.
inline RECT MoveToDpi(HWND window, UINT dpi, int clientWidth, int clientHeight) {
    RECT frame;
    GetWindowRect(window, &frame);
    const RECT size =
        FrameForClient(RECT{0, 0, ScaleForDpi(clientWidth, dpi), ScaleForDpi(clientHeight, dpi)},
                       static_cast<DWORD>(GetWindowLongPtrA(window, GWL_STYLE)),
                       static_cast<DWORD>(GetWindowLongPtrA(window, GWL_EXSTYLE)), dpi);
    RECT suggested{frame.left, frame.top, frame.left + size.right - size.left,
                   frame.top + size.bottom - size.top};
    SendMessageA(window, WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&suggested));
    return suggested;
}

// Moves window to dpi as above and checks that it took the suggested frame and is tidy there. Returns how
// many controls it looked at.
inline int ExpectTidyAfterMove(HWND window, UINT dpi, int clientWidth, int clientHeight,
                               std::initializer_list<int> frames) {
    const RECT suggested = MoveToDpi(window, dpi, clientWidth, clientHeight);
    RECT frame;
    GetWindowRect(window, &frame);
    EXPECT_TRUE(EqualRect(&frame, &suggested)) << dpi;
    return ExpectTidy(window, dpi, frames);
}

inline LONG FontHeight(HWND control) {
    LOGFONTA font{};
    GetObjectA(reinterpret_cast<HFONT>(SendMessageA(control, WM_GETFONT, 0, 0)), sizeof font, &font);
    return font.lfHeight;
}

}  // namespace layout
