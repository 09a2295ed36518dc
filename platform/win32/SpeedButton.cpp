#include "platform/win32/SpeedButton.h"

#include <algorithm>

#include "platform/win32/Controls.h"
#include "platform/win32/Dpi.h"
#include "platform/win32/WideText.h"
#include "platform/win32/Window.h"

namespace {

// Whether a mouse message's point lies on the button.
bool Inside(HWND button, LPARAM point) {
    RECT client;
    GetClientRect(button, &client);
    const POINT at{static_cast<short>(LOWORD(point)), static_cast<short>(HIWORD(point))};
    return PtInRect(&client, at) != FALSE;
}

std::optional<LRESULT> SpeedButtonMessage(HWND hwnd, UINT msg, WPARAM, LPARAM lparam) {
    switch (msg) {
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK:
            // The button's own handling would take the focus first.
            if (IsWindowEnabled(hwnd)) {
                SetCapture(hwnd);
                SendMessageW(hwnd, BM_SETSTATE, TRUE, 0);
            }
            return 0;
        case WM_MOUSEMOVE:
            if (GetCapture() == hwnd) SendMessageW(hwnd, BM_SETSTATE, Inside(hwnd, lparam), 0);
            return 0;
        case WM_LBUTTONUP: {
            if (GetCapture() != hwnd) return 0;
            const bool pressed = Inside(hwnd, lparam);
            ReleaseCapture();
            if (pressed) {
                SendMessageW(GetParent(hwnd), WM_COMMAND,
                             MAKEWPARAM(static_cast<WORD>(GetDlgCtrlID(hwnd)), BN_CLICKED),
                             reinterpret_cast<LPARAM>(hwnd));
            }
            return 0;
        }
        case WM_CAPTURECHANGED:
            SendMessageW(hwnd, BM_SETSTATE, FALSE, 0);
            break;
    }
    return std::nullopt;
}

}  // namespace

void MakeSpeedButton(HWND button) {
    AddControlHandler<&SpeedButtonMessage>(button);
}

ImageListOwner LoadSpeedButtonGlyph(HINSTANCE instance, int bitmapId, int bitmapId2x, int size) {
    constexpr int kDrawn = 16;
    const int id = size > kDrawn ? bitmapId2x : bitmapId;
    BitmapOwner bitmap(static_cast<HBITMAP>(
        LoadImageW(instance, MAKEINTRESOURCEW(id), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
    if (bitmap && size != kDrawn && size != 2 * kDrawn) bitmap = StretchBitmap(bitmap.get(), 2 * size, size);
    if (!bitmap) return ImageListOwner();
    ImageListOwner images(ImageList_Create(size, size, ILC_COLOR24 | ILC_MASK, 2, 0));
    if (images) ImageList_AddMasked(images.get(), bitmap.get(), RGB(128, 128, 0));
    return images;
}

void DrawSpeedButton(const DRAWITEMSTRUCT& item, HFONT font, HIMAGELIST glyph, int spacing) {
    HDC dc = item.hDC;
    RECT rect = item.rcItem;
    FillRect(dc, &rect, GetSysColorBrush(COLOR_BTNFACE));
    const bool pressed = (item.itemState & ODS_SELECTED) != 0;
    const bool disabled = (item.itemState & ODS_DISABLED) != 0;
    if (pressed) DrawEdge(dc, &rect, BDR_SUNKENOUTER, BF_RECT);

    const std::wstring caption = Wide(WindowText(item.hwndItem));
    const ScopedSelectObject selected(dc, font);
    RECT measure{0, 0, 0, 0};
    DrawTextW(dc, caption.c_str(), -1, &measure, DT_CALCRECT | DT_SINGLELINE);
    const int textWidth = measure.right - measure.left;
    int glyphSize = 0, glyphHeight = 0;
    if (glyph) ImageList_GetIconSize(glyph, &glyphSize, &glyphHeight);
    // Where a caption set larger than designed (rounded up at another DPI) leaves too little room, the space
    // between glyph and caption gives way first.
    const int room = rect.right - rect.left - glyphSize - textWidth;
    const int glyphWidth = glyph ? glyphSize + std::clamp(room, 0, spacing) : 0;
    const int shift = pressed ? 1 : 0;
    int x = rect.left + (rect.right - rect.left - glyphWidth - textWidth) / 2 + shift;
    const int middle = (rect.top + rect.bottom) / 2 + shift;
    if (glyph) {
        ImageList_Draw(glyph, disabled ? 1 : 0, dc, x, middle - glyphHeight / 2, ILD_TRANSPARENT);
        x += glyphWidth;
    }
    RECT textRect{x, rect.top + shift, x + textWidth, rect.bottom + shift};
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(disabled ? COLOR_GRAYTEXT : COLOR_BTNTEXT));
    DrawTextW(dc, caption.c_str(), -1, &textRect, DT_SINGLELINE | DT_VCENTER | DT_LEFT);
}
