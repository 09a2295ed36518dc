#include "shell/SetForm.h"

#include "platform/win32/Dpi.h"
#include "res/resource.h"

namespace {

const ControlSpec kControls[] = {
    {kSetFormBevel, "STATIC", "", SS_ETCHEDFRAME, 8, 8, 281, 57, 0, -1},
    {kChkDesk, "BUTTON", "ディスクトップにショートカットを作成する", BS_AUTOCHECKBOX, 32, 16, 241, 17, 0, 0},
    {kChkSend, "BUTTON", "エクスプローラの送るに登録する", BS_AUTOCHECKBOX, 32, 40, 225, 17, 0, 1},
    {kBtSetn, "BUTTON", "適用(&Y)", BS_PUSHBUTTON, 40, 80, 89, 25, 0, 2},
    {kBtnCloce, "BUTTON", "ｷｬﾝｾﾙ(&N)", BS_PUSHBUTTON, 176, 80, 89, 25, 0, 3},
};

constexpr char kFontFace[] = "ＭＳ Ｐゴシック";
constexpr int kFontHeight = 12;
constexpr int kClientWidth = 298;
constexpr int kClientHeight = 115;

// The button images are drawn on a grid of 16 x 16 units, scaled to the window's DPI.
constexpr int kGlyphUnits = 16;
constexpr int kGlyphMargin = 2;
// Drawn around the picture and left out of it by the image list's mask.
constexpr COLORREF kGlyphBackground = RGB(255, 0, 255);

// A square button image of size pixels, painted by paint in glyph units on a transparent background.
template <typename Paint>
ImageListOwner DrawGlyph(int size, Paint paint) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = size;
    info.bmiHeader.biHeight = size;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    void* bits = nullptr;
    const BitmapOwner bitmap(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    {
        const MemoryDcOwner owner(CreateCompatibleDC(nullptr));
        if (!bitmap || !owner) return ImageListOwner();
        const HDC dc = owner.get();
        // Taken out of the device context again before the image list copies it.
        const ScopedSelectObject selected(dc, bitmap.get());
        const RECT all{0, 0, size, size};
        const GdiOwner<HBRUSH> background(CreateSolidBrush(kGlyphBackground));
        FillRect(dc, &all, background.get());
        // Coordinates and the wider pens in glyph units.
        SetMapMode(dc, MM_ANISOTROPIC);
        SetWindowExtEx(dc, kGlyphUnits, kGlyphUnits, nullptr);
        SetViewportExtEx(dc, size, size, nullptr);
        paint(dc);
    }
    ImageListOwner images(ImageList_Create(size, size, ILC_COLOR24 | ILC_MASK, 1, 0));
    if (images) ImageList_AddMasked(images.get(), bitmap.get(), kGlyphBackground);
    return images;
}

// Draws with a pen of that colour and width, and fills with a brush of the same colour.
class Ink {
public:
    Ink(HDC dc, COLORREF colour, int width)
        : pen_(CreatePen(PS_SOLID, width, colour)),
          brush_(CreateSolidBrush(colour)),
          penSelected_(dc, pen_.get()),
          brushSelected_(dc, brush_.get()) {}

private:
    GdiOwner<HPEN> pen_;
    GdiOwner<HBRUSH> brush_;
    ScopedSelectObject penSelected_;
    ScopedSelectObject brushSelected_;
};

// A green arrow going round three quarters of a circle, its head pointing up on the right.
ImageListOwner RetryGlyph(int size) {
    return DrawGlyph(size, [](HDC dc) {
        {
            const Ink ink(dc, RGB(0, 128, 0), 2);
            Arc(dc, 2, 3, 14, 15, 8, 3, 14, 9);
        }
        const Ink ink(dc, RGB(0, 128, 0), 1);
        const POINT head[] = {{13, 2}, {9, 7}, {15, 7}};
        Polygon(dc, head, 3);
    });
}

// A red cross.
ImageListOwner CancelGlyph(int size) {
    return DrawGlyph(size, [](HDC dc) {
        const Ink ink(dc, RGB(192, 0, 0), 3);
        const POINT down[] = {{3, 3}, {13, 13}};
        const POINT up[] = {{12, 3}, {2, 13}};
        Polyline(dc, down, 2);
        Polyline(dc, up, 2);
    });
}

// The image left of the caption. Buttons of the older common controls have no image lists and show the
// caption alone.
void SetButtonImage(HWND button, HIMAGELIST images, int margin) {
    BUTTON_IMAGELIST list{images, {margin, 0, 0, 0}, BUTTON_IMAGELIST_ALIGN_LEFT};
    SendMessageA(button, BCM_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(&list));
}

}  // namespace

TForm2::TForm2(ShortcutFlags flags, ShellLinks& shell, NameLookup& lookup)
    : flags_(flags), settings_(flags, shell, lookup, *this) {}

bool TForm2::Create(HINSTANCE instance, HWND owner) {
    FrameSpec frame{};
    frame.className = "TForm2";
    frame.caption = "設定画面";
    frame.style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU;
    frame.exStyle = WS_EX_DLGMODALFRAME;
    frame.left = 378;
    frame.top = 128;
    frame.clientWidth = kClientWidth;
    frame.clientHeight = kClientHeight;
    frame.owner = owner;
    frame.icon = LoadIconA(instance, MAKEINTRESOURCEA(IDI_ROMINADO));
    if (!CreateFrame(instance, frame)) return false;
    if (!CreateControls(Handle(), kControls, nullptr)) return false;
    // Laid out at the DPI of the monitor it was created on.
    const UINT dpi = DpiOf(Handle());
    SizeClientForDpi(Handle(), kClientWidth, kClientHeight, dpi);
    ScaleTo(dpi);
    return true;
}

void TForm2::ScaleTo(UINT dpi) {
    FontOwner font = MakeFontForDpi(kFontFace, kFontHeight, dpi);
    SetFontOnChildren(Handle(), font.get());
    font_ = std::move(font);  // the old one goes once no control uses it
    PlaceControls(Handle(), kControls, dpi);

    ImageListOwner retry = RetryGlyph(ScaleForDpi(kGlyphUnits, dpi));
    ImageListOwner cancel = CancelGlyph(ScaleForDpi(kGlyphUnits, dpi));
    SetButtonImage(Item(kBtSetn), retry.get(), ScaleForDpi(kGlyphMargin, dpi));
    SetButtonImage(Item(kBtnCloce), cancel.get(), ScaleForDpi(kGlyphMargin, dpi));
    retryImage_ = std::move(retry);
    cancelImage_ = std::move(cancel);
    SetWindowIcons(Handle(), reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(Handle(), GWLP_HINSTANCE)),
                   IDI_ROMINADO, dpi, icons_);
}

void TForm2::Show() {
    if (!IsWindowVisible(Handle())) FormActivate();
    ShowWindow(Handle(), SW_SHOW);
    SetForegroundWindow(Handle());
}

void TForm2::FormActivate() {
    SetChecked(kChkDesk, flags_.FDeskTopSet);
    SetChecked(kChkSend, flags_.FSendToSet);
}

void TForm2::BtSetnClick() {
    const HWND button = Item(kBtSetn);
    EnableWindow(button, FALSE);
    // Enabled again on every way out, an error that ends the click included.
    struct Reenable {
        HWND window, button;
        ~Reenable() {
            EnableWindow(button, TRUE);
            if (GetActiveWindow() == window && !GetFocus()) SetFocus(button);
        }
    } reenable{Handle(), button};
    settings_.ConfirmAndApply(IsChecked(kChkDesk), IsChecked(kChkSend));
}

void TForm2::BtnCloceClick() {
    ShowWindow(Handle(), SW_HIDE);
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
                // Unapplied choices are undone when the user comes from another window of this program, not
                // when coming back from another program (the window left behind is then none of this thread).
                const auto previous = reinterpret_cast<HWND>(lparam);
                if (!inBox_ && previous &&
                    GetWindowThreadProcessId(previous, nullptr) == GetCurrentThreadId())
                    FormActivate();
                // As a dialog does: the keyboard goes to the first control, or back to the one that had it.
                if (!focus_ || !IsChild(Handle(), focus_)) focus_ = Item(kChkDesk);
                SetFocus(focus_);
            } else if (const HWND focused = GetFocus(); focused && IsChild(Handle(), focused)) {
                focus_ = focused;
            }
            return 0;
        case WM_DPICHANGED:
            ScaleTo(AcceptDpiChange(Handle(), wparam, lparam));
            return 0;
        case WM_CLOSE:
            BtnCloceClick();
            return 0;
        default:
            return Default(msg, wparam, lparam);
    }
}
