// The windows' layouts are written in pixels at 96 DPI; these scale them to the DPI of the monitor a window
// is on, and again when the window moves to a monitor of another DPI (WM_DPICHANGED).
#pragma once

#include <windows.h>

#include "platform/win32/Controls.h"

inline constexpr UINT kLayoutDpi = 96;

// A length of the layouts at dpi, to the nearest pixel (halves away from zero).
int ScaleForDpi(int pixels, UINT dpi);

// A rectangle of the layouts at dpi. Its edges are scaled, not its size: controls that touch at 96 DPI touch
// at every DPI, and ones that do not overlap never come to overlap.
RECT ScaleRectForDpi(const RECT& rect, UINT dpi);

// A font of the layouts (its height in pixels at 96 DPI) at dpi.
FontOwner MakeFontForDpi(const char* face, int pixelHeight, UINT dpi, bool bold = false);

// A 24-bit colour bitmap of width x height that any device context can draw on. Null when the system refuses.
BitmapOwner MakeColourBitmap(int width, int height);

// A copy of the bitmap stretched to width x height, each pixel taken from the nearest one of the source, so
// that pixel art stays sharp and a transparent colour stays exact. Null when the system refuses.
BitmapOwner StretchBitmap(HBITMAP source, int width, int height);

// The system calls that tell a window's DPI, each null where the system lacks it: GetDpiForWindow (Windows 10
// 1607 on) and GetDpiForMonitor (8.1 on).
struct DpiCalls {
    UINT(WINAPI* dpiForWindow)(HWND);
    HRESULT(WINAPI* dpiForMonitor)(HMONITOR, int, UINT*, UINT*);
};
// Those of this system, looked up once.
const DpiCalls& SystemDpiCalls();

// The DPI the window is shown at: its monitor's. Without the newer calls, the system DPI of its device
// context.
UINT DpiOf(HWND window, const DpiCalls& calls = SystemDpiCalls());

// The system metric (SM_CXICON, SM_CXSMICON, ...) at dpi; older systems scale their own value.
int MetricForDpi(int index, UINT dpi);

// The outer rectangle of a window of that style whose client area is client, at dpi.
RECT FrameForClient(const RECT& client, DWORD style, DWORD exStyle, UINT dpi);

// Sets the window's client area to width x height pixels at dpi; its top-left corner stays.
void SizeClient(HWND window, int width, int height, UINT dpi);
// The same for width x height of the layouts.
void SizeClientForDpi(HWND window, int width, int height, UINT dpi);

// Gives every control below the window that font. Controls keep the handle, not a copy: the font must live
// as long as they use it, and the one it replaces may be deleted once this returns.
void SetFontOnChildren(HWND window, HFONT font);

// The caption and task-switch icons of a window, held for as long as it shows them.
struct WindowIcons {
    IconOwner largeIcon;
    IconOwner smallIcon;
};
// Gives the window the icon resource id at the sizes of dpi; an icon that cannot be loaded keeps the one
// shown.
void SetWindowIcons(HWND window, HINSTANCE instance, int id, UINT dpi, WindowIcons& icons);

// WM_DPICHANGED: puts the window on the rectangle the system suggests for the new DPI, which it returns.
UINT AcceptDpiChange(HWND window, WPARAM wparam, LPARAM lparam);
