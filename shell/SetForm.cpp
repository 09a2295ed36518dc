#include "shell/SetForm.h"

#include "res/resource.h"

namespace {

const ControlSpec kControls[] = {
    {kSetFormBevel, "STATIC", "", SS_ETCHEDFRAME, 8, 8, 281, 57, 0, -1},
    {kChkDesk, "BUTTON", "ディスクトップにショートカットを作成する", BS_AUTOCHECKBOX, 32, 16, 241, 17, 0, 0},
    {kChkSend, "BUTTON", "エクスプローラの送るに登録する", BS_AUTOCHECKBOX, 32, 40, 225, 17, 0, 1},
    {kBtSetn, "BUTTON", "適用(&Y)", BS_PUSHBUTTON, 40, 80, 89, 25, 0, 2},
    {kBtnCloce, "BUTTON", "ｷｬﾝｾﾙ(&N)", BS_PUSHBUTTON, 176, 80, 89, 25, 0, 3},
};

constexpr int kGlyphSize = 16;

// A 16 x 16 button image on the button face, painted by paint.
template <typename Paint>
BitmapOwner DrawGlyph(Paint paint) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = kGlyphSize;
    info.bmiHeader.biHeight = kGlyphSize;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    void* bits = nullptr;
    BitmapOwner bitmap(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    const HDC dc = CreateCompatibleDC(nullptr);
    if (!bitmap || !dc) {
        if (dc) DeleteDC(dc);
        return BitmapOwner();
    }
    const HGDIOBJ previous = SelectObject(dc, bitmap.get());
    const RECT all{0, 0, kGlyphSize, kGlyphSize};
    FillRect(dc, &all, GetSysColorBrush(COLOR_BTNFACE));
    paint(dc);
    SelectObject(dc, previous);
    DeleteDC(dc);
    return bitmap;
}

void Stroke(HDC dc, COLORREF colour, int width, const POINT* points, int count) {
    const GdiOwner<HPEN> pen(CreatePen(PS_SOLID, width, colour));
    const HGDIOBJ previous = SelectObject(dc, pen.get());
    Polyline(dc, points, count);
    SelectObject(dc, previous);
}

// A green arrow turning round on itself.
BitmapOwner RetryGlyph() {
    return DrawGlyph([](HDC dc) {
        const COLORREF green = RGB(0, 128, 0);
        const GdiOwner<HPEN> pen(CreatePen(PS_SOLID, 2, green));
        const HGDIOBJ previousPen = SelectObject(dc, pen.get());
        Arc(dc, 2, 2, 14, 14, 14, 8, 8, 2);
        SelectObject(dc, previousPen);
        const GdiOwner<HBRUSH> brush(CreateSolidBrush(green));
        const HGDIOBJ previousBrush = SelectObject(dc, brush.get());
        const HGDIOBJ previousOutline = SelectObject(dc, GetStockObject(NULL_PEN));
        const POINT head[] = {{8, 0}, {13, 3}, {8, 7}};
        Polygon(dc, head, 3);
        SelectObject(dc, previousOutline);
        SelectObject(dc, previousBrush);
    });
}

// A red cross.
BitmapOwner CancelGlyph() {
    return DrawGlyph([](HDC dc) {
        const POINT down[] = {{3, 3}, {13, 13}};
        const POINT up[] = {{12, 3}, {2, 13}};
        Stroke(dc, RGB(192, 0, 0), 3, down, 2);
        Stroke(dc, RGB(192, 0, 0), 3, up, 2);
    });
}

}  // namespace

TForm2::TForm2(ShortcutFlags flags, ShellLinks& shell, NameLookup& lookup)
    : flags_(flags), settings_(flags, shell, lookup, *this) {}

bool TForm2::Create(HINSTANCE instance, HWND owner) {
    FrameSpec frame{};
    frame.className = "TForm2";
    frame.caption = "設定画面";
    frame.style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
    frame.exStyle = WS_EX_DLGMODALFRAME;
    frame.left = 378;
    frame.top = 128;
    frame.clientWidth = 298;
    frame.clientHeight = 115;
    frame.owner = owner;
    frame.icon = LoadIconA(instance, MAKEINTRESOURCEA(IDI_ROMINADO));
    if (!CreateFrame(instance, frame)) return false;

    font_ = MakeFont("ＭＳ Ｐゴシック", 12);
    if (!CreateControls(Handle(), kControls, font_.get())) return false;
    retryImage_ = RetryGlyph();
    cancelImage_ = CancelGlyph();
    SendMessageA(Control(kBtSetn), BM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(retryImage_.get()));
    SendMessageA(Control(kBtnCloce), BM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(cancelImage_.get()));
    return true;
}

void TForm2::Show() {
    ShowWindow(Handle(), SW_SHOW);
    SetForegroundWindow(Handle());
}

void TForm2::FormActivate() {
    SendMessageA(Control(kChkDesk), BM_SETCHECK, flags_.FDeskTopSet ? BST_CHECKED : BST_UNCHECKED, 0);
    SendMessageA(Control(kChkSend), BM_SETCHECK, flags_.FSendToSet ? BST_CHECKED : BST_UNCHECKED, 0);
}

void TForm2::BtSetnClick() {
    const HWND button = Control(kBtSetn);
    EnableWindow(button, FALSE);
    // Enabled again on every way out, an error that ends the click included.
    struct Reenable {
        HWND window, button;
        ~Reenable() {
            EnableWindow(button, TRUE);
            if (GetActiveWindow() == window && !GetFocus()) SetFocus(button);
        }
    } reenable{Handle(), button};
    settings_.ConfirmAndApply(Checked(kChkDesk), Checked(kChkSend));
}

void TForm2::BtnCloceClick() {
    ShowWindow(Handle(), SW_HIDE);
}

bool TForm2::Checked(int id) const {
    return SendMessageA(Control(id), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

bool TForm2::Confirm(const Text& text) {
    inBox_ = true;
    const bool ok = AskConfirmation(Handle(), text);
    inBox_ = false;
    return ok;
}

void TForm2::Inform(const Text& text) {
    inBox_ = true;
    ShowInformation(Handle(), text);
    inBox_ = false;
}

LRESULT TForm2::HandleMessage(UINT msg, WPARAM wparam, LPARAM lparam) {
    switch (msg) {
    case WM_COMMAND:
        if (HIWORD(wparam) == BN_CLICKED) {
            if (LOWORD(wparam) == kBtSetn) BtSetnClick();
            if (LOWORD(wparam) == kBtnCloce) BtnCloceClick();
        }
        return 0;
    case WM_ACTIVATE:
        if (LOWORD(wparam) != WA_INACTIVE) {
            if (!inBox_) FormActivate();
            // As a dialog does: the keyboard goes to the first control, or back to the one that had it.
            if (!focus_ || !IsChild(Handle(), focus_)) focus_ = Control(kChkDesk);
            SetFocus(focus_);
        } else if (const HWND focused = GetFocus(); focused && IsChild(Handle(), focused)) {
            focus_ = focused;
        }
        return 0;
    case WM_CLOSE:
        BtnCloceClick();
        return 0;
    default:
        return Default(msg, wparam, lparam);
    }
}
