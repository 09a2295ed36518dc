// What a window laid out at some DPI must show: every control inside its parent's client area, no two sibling
// controls drawing over each other nor touching a caption, and every caption as wide and as high as its text
// in its own font with what the control draws beside it. Also how a test moves a window to another DPI as the
// system does.
#pragma once

#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

#include "platform/win32/Dpi.h"
#include "platform/win32/Handles.h"
#include "platform/win32/WideText.h"
#include "platform/win32/Window.h"

namespace layout {

inline RECT InParent(HWND control) {
    RECT rect;
    GetWindowRect(control, &rect);
    MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

inline bool IsClass(HWND window, const char* name) {
    wchar_t className[64] = {};
    GetClassNameW(window, className, 64);
    return lstrcmpiW(className, Wide(name).c_str()) == 0;
}

inline LONG ButtonType(HWND control) {
    return IsClass(control, "BUTTON") ? GetWindowLongW(control, GWL_STYLE) & BS_TYPEMASK : -1;
}

inline bool IsCheckOrRadio(HWND control) {
    const LONG type = ButtonType(control);
    return type == BS_AUTOCHECKBOX || type == BS_CHECKBOX || type == BS_AUTORADIOBUTTON ||
           type == BS_RADIOBUTTON;
}

inline bool IsPushButton(HWND control) {
    const LONG type = ButtonType(control);
    return type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON;
}

inline bool IsLabel(HWND control) {
    const LONG type = GetWindowLongW(control, GWL_STYLE) & SS_TYPEMASK;
    return IsClass(control, "STATIC") && (type <= SS_RIGHT || type == SS_LEFTNOWORDWRAP);
}

// Owner-drawn buttons draw their captions themselves; their tests say where (ExpectTidy's ownInk).
inline bool DrawsItsOwnCaption(HWND control) {
    return ButtonType(control) == BS_OWNERDRAW;
}

// The text a control draws of its caption: an access-key mark is not drawn, "&&" draws one "&"; a label
// without prefixes draws every "&".
inline Text DrawnCaption(HWND control) {
    const Text caption = WindowText(control);
    if (IsLabel(control) && (GetWindowLongW(control, GWL_STYLE) & SS_NOPREFIX)) return caption;
    Text drawn;
    for (std::size_t i = 0; i < caption.size(); ++i) {
        if (caption[i] == '&' && i + 1 < caption.size()) ++i;
        // In UTF-8 no byte of another character is a "&".
        drawn += caption[i];
    }
    return drawn;
}

// The extent of the drawn caption in the control's own font (WM_GETFONT): its advance, and the height of
// its letters without the font's internal leading.
inline SIZE TextExtent(HWND control) {
    const Text text = DrawnCaption(control);
    const WindowDcOwner dc(control);
    const ScopedSelectObject font(dc.get(),
                                  reinterpret_cast<HGDIOBJ>(SendMessageW(control, WM_GETFONT, 0, 0)));
    SIZE size{};
    const std::wstring wide = Wide(text);
    GetTextExtentPoint32W(dc.get(), wide.c_str(), static_cast<int>(wide.size()), &size);
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc.get(), &metrics);
    size.cy = metrics.tmHeight - metrics.tmInternalLeading;
    return size;
}

// Between a check or radio box and its caption the system leaves half the width of a digit in the
// control's font.
inline int BoxGap(HWND control) {
    const WindowDcOwner dc(control);
    const ScopedSelectObject font(dc.get(),
                                  reinterpret_cast<HGDIOBJ>(SendMessageW(control, WM_GETFONT, 0, 0)));
    INT digit = 0;
    GetCharWidth32W(dc.get(), '0', '0', &digit);
    return digit / 2;
}

// The width of the image a push button shows beside its caption, with its margins; 0 for none.
inline int ButtonImageWidth(HWND button) {
    BUTTON_IMAGELIST list{};
    if (!SendMessageW(button, BCM_GETIMAGELIST, 0, reinterpret_cast<LPARAM>(&list)) || !list.himl) return 0;
    int width = 0, height = 0;
    ImageList_GetIconSize(list.himl, &width, &height);
    return width + list.margin.left + list.margin.right;
}

// The room a caption needs on its control: its text in the control's font. A button draws its text with a
// pixel of margin on each side (the focus rectangle's); a check box or radio button adds its box
// (SM_CXMENUCHECK at dpi, and no less than the 13 pixels of the layouts' DPI scaled, which is what the
// common controls draw) and the gap after it; a push button its edges and its image.
inline SIZE CaptionNeeds(HWND control, UINT dpi) {
    SIZE size = TextExtent(control);
    if (IsClass(control, "BUTTON")) size.cx += 2;
    if (IsCheckOrRadio(control)) {
        size.cx += std::max(MetricForDpi(SM_CXMENUCHECK, dpi), ScaleForDpi(13, dpi)) + BoxGap(control);
        size.cy = std::max<LONG>(size.cy, MetricForDpi(SM_CYMENUCHECK, dpi));
    } else if (IsPushButton(control)) {
        size.cx += 2 * MetricForDpi(SM_CXEDGE, dpi) + ButtonImageWidth(control);
        size.cy += 2 * MetricForDpi(SM_CYEDGE, dpi);
    }
    return size;
}

// What a control draws on: a check box, radio button or label from its left edge to the end of its caption
// (the table's sizes leave room past it, and neighbours may stand in that room), an owner-drawn button where
// ownInk says, anything else its whole rectangle.
using InkOf = std::function<RECT(HWND)>;
inline RECT Ink(HWND control, UINT dpi, const InkOf& ownInk) {
    RECT rect = InParent(control);
    if (DrawsItsOwnCaption(control) && ownInk) return ownInk(control);
    if ((IsCheckOrRadio(control) || IsLabel(control)) && !WindowText(control).empty())
        rect.right = std::min(rect.right, rect.left + CaptionNeeds(control, dpi).cx);
    return rect;
}

// Whether a control draws a caption, which must keep a pixel clear of its neighbours.
inline bool ShowsCaption(HWND control) {
    return !WindowText(control).empty() && (IsClass(control, "BUTTON") || IsLabel(control));
}

inline bool Shown(HWND control) {
    return (GetWindowLongW(control, GWL_STYLE) & WS_VISIBLE) != 0;  // the window itself may be hidden
}

inline Text Describe(HWND control) {
    const Text caption = WindowText(control);
    return "control " + std::to_string(GetDlgCtrlID(control)) + (caption.empty() ? "" : " " + caption);
}

// frames: ids of controls drawn around others (bevels, group boxes) or designed to overlap their neighbours,
// which are not held against their siblings. ownInk: where an owner-drawn button draws, in its parent's
// client area; that must lie on the button, clear of every sibling. Checks that every caption fits its
// control, no two controls overlap and none touches a caption, and with insideParents that every control lies
// inside its parent. Returns how many controls it looked at.
inline int ExpectControlsTidy(HWND parent, UINT dpi, std::initializer_list<int> frames, const InkOf& ownInk,
                              bool insideParents) {
    RECT client;
    GetClientRect(parent, &client);
    std::vector<HWND> shown;
    int looked = 0;
    for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (!Shown(child)) continue;
        ++looked;
        const RECT rect = Ink(child, dpi, ownInk);
        const int id = GetDlgCtrlID(child);
        EXPECT_TRUE(!insideParents || (rect.left >= 0 && rect.top >= 0 && rect.right <= client.right &&
                                       rect.bottom <= client.bottom))
            << Describe(child) << " at " << rect.left << "," << rect.top << "-" << rect.right << ","
            << rect.bottom << " leaves its parent's " << client.right << " x " << client.bottom << " at "
            << dpi << " DPI";
        const RECT whole = InParent(child);
        if (DrawsItsOwnCaption(child) && ownInk) {
            RECT inside;
            EXPECT_TRUE(IntersectRect(&inside, &rect, &whole) && EqualRect(&inside, &rect))
                << Describe(child) << " is cut at " << dpi << " DPI";
        } else if (ShowsCaption(child) && !DrawsItsOwnCaption(child)) {
            const SIZE needs = CaptionNeeds(child, dpi);
            EXPECT_LE(needs.cx, whole.right - whole.left)
                << WindowText(child) << " is cut at " << dpi << " DPI: needs " << needs.cx;
            EXPECT_LE(needs.cy, whole.bottom - whole.top)
                << WindowText(child) << " is cut at " << dpi << " DPI: needs " << needs.cy;
        }
        if (std::find(frames.begin(), frames.end(), id) == frames.end()) shown.push_back(child);
        looked += ExpectControlsTidy(child, dpi, frames, ownInk, insideParents);
    }
    for (std::size_t i = 0; i < shown.size(); ++i) {
        for (std::size_t j = i + 1; j < shown.size(); ++j) {
            RECT a = Ink(shown[i], dpi, ownInk);
            const RECT b = Ink(shown[j], dpi, ownInk);
            RECT both;
            EXPECT_FALSE(IntersectRect(&both, &a, &b))
                << Describe(shown[i]) << " and " << Describe(shown[j]) << " overlap at " << dpi << " DPI";
            if (ShowsCaption(shown[i]) || ShowsCaption(shown[j])) {
                InflateRect(&a, 1, 1);
                EXPECT_FALSE(IntersectRect(&both, &a, &b))
                    << Describe(shown[i]) << " and " << Describe(shown[j]) << " touch at " << dpi << " DPI";
            }
        }
        // An owner-drawn caption on a button its neighbours overlap must stay off them.
        if (!DrawsItsOwnCaption(shown[i]) || !ownInk) continue;
        for (HWND other = GetWindow(parent, GW_CHILD); other; other = GetWindow(other, GW_HWNDNEXT)) {
            if (other == shown[i] || !Shown(other)) continue;
            const RECT ink = Ink(shown[i], dpi, ownInk), otherRect = InParent(other);
            RECT both;
            EXPECT_FALSE(IntersectRect(&both, &ink, &otherRect))
                << Describe(shown[i]) << " draws under " << Describe(other) << " at " << dpi << " DPI";
        }
    }
    return looked;
}

// Every control inside its parent, every caption whole and clear of its neighbours (ExpectControlsTidy).
inline int ExpectTidy(HWND parent, UINT dpi, std::initializer_list<int> frames, const InkOf& ownInk = {}) {
    return ExpectControlsTidy(parent, dpi, frames, ownInk, true);
}

// Every caption whole and clear of its neighbours, in a window the screen is too small for, whose panels the
// system has cut short.
inline int ExpectCaptionsTidy(HWND parent, UINT dpi, std::initializer_list<int> frames,
                              const InkOf& ownInk = {}) {
    return ExpectControlsTidy(parent, dpi, frames, ownInk, false);
}

// Sends what the system sends when the window comes onto a monitor of dpi: WM_DPICHANGED with the suggested
// rectangle, the window's client area scaled from the layout's width x height. Returns that rectangle.
inline RECT MoveToDpi(HWND window, UINT dpi, int clientWidth, int clientHeight) {
    RECT frame;
    GetWindowRect(window, &frame);
    const RECT size =
        FrameForClient(RECT{0, 0, ScaleForDpi(clientWidth, dpi), ScaleForDpi(clientHeight, dpi)},
                       static_cast<DWORD>(GetWindowLongPtrW(window, GWL_STYLE)),
                       static_cast<DWORD>(GetWindowLongPtrW(window, GWL_EXSTYLE)), dpi);
    RECT suggested{frame.left, frame.top, frame.left + size.right - size.left,
                   frame.top + size.bottom - size.top};
    SendMessageW(window, WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&suggested));
    return suggested;
}

// Moves window to dpi as above and checks that it took the suggested frame, wider only where its captions
// need it, and is tidy there. Returns how many controls it looked at.
inline int ExpectTidyAfterMove(HWND window, UINT dpi, int clientWidth, int clientHeight,
                               std::initializer_list<int> frames, const InkOf& ownInk = {}) {
    const RECT suggested = MoveToDpi(window, dpi, clientWidth, clientHeight);
    RECT frame;
    GetWindowRect(window, &frame);
    EXPECT_TRUE(frame.left == suggested.left && frame.top == suggested.top &&
                frame.right >= suggested.right && frame.bottom == suggested.bottom)
        << dpi;
    return ExpectTidy(window, dpi, frames, ownInk);
}

// While it lives, the windows' face is made in IPAGothic, whose half-width letters and brackets are wider
// than those of the face their tables were measured in (IPAPGothic, which this prefix gives for it), as
// ＭＳ Ｐゴシック and Meiryo UI are on Windows.
class WiderFont {
public:
    static constexpr char kFace[] = "ＭＳ Ｐゴシック";
    WiderFont() { SubstituteFontFace(kFace, "IPAGothic"); }
    WiderFont(const WiderFont&) = delete;
    WiderFont& operator=(const WiderFont&) = delete;
    ~WiderFont() { SubstituteFontFace(kFace, ""); }
};

// While it lives, windows are created as in the program: with the common controls 6 that the manifest of
// the program beside this test program asks for (buttons show images only there).
class ProgramControls {
public:
    ProgramControls() {
        wchar_t path[MAX_PATH] = {};
        GetModuleFileNameW(nullptr, path, MAX_PATH);
        std::wstring program = path;
        program = program.substr(0, program.rfind(L'\\') + 1) + L"Rominado.exe";
        ACTCTXW context{};
        context.cbSize = sizeof context;
        context.dwFlags = ACTCTX_FLAG_RESOURCE_NAME_VALID;
        context.lpSource = program.c_str();
        context.lpResourceName = MAKEINTRESOURCEW(1);
        context_ = CreateActCtxW(&context);
        EXPECT_NE(context_, INVALID_HANDLE_VALUE) << FromWide(program);
        active_ = context_ != INVALID_HANDLE_VALUE && ActivateActCtx(context_, &cookie_);
    }
    ProgramControls(const ProgramControls&) = delete;
    ProgramControls& operator=(const ProgramControls&) = delete;
    ~ProgramControls() {
        if (active_) DeactivateActCtx(0, cookie_);
        if (context_ != INVALID_HANDLE_VALUE) ReleaseActCtx(context_);
    }

private:
    HANDLE context_ = INVALID_HANDLE_VALUE;
    ULONG_PTR cookie_ = 0;
    bool active_ = false;
};

inline LONG FontHeight(HWND control) {
    LOGFONTW font{};
    GetObjectW(reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)), sizeof font, &font);
    return font.lfHeight;
}

}  // namespace layout
