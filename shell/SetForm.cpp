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
// Drawn around the picture and left out of it by the image list's mask.
constexpr COLORREF kGlyphBackground = RGB(255, 0, 255);

// A 16 x 16 button image, painted by paint on a transparent background.
template <typename Paint>
ImageListOwner DrawGlyph(Paint paint) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = kGlyphSize;
    info.bmiHeader.biHeight = kGlyphSize;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    void* bits = nullptr;
    const BitmapOwner bitmap(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    const HDC dc = CreateCompatibleDC(nullptr);
    if (!bitmap || !dc) {
        if (dc) DeleteDC(dc);
        return ImageListOwner();
    }
    const HGDIOBJ previous = SelectObject(dc, bitmap.get());
    const RECT all{0, 0, kGlyphSize, kGlyphSize};
    const GdiOwner<HBRUSH> background(CreateSolidBrush(kGlyphBackground));
    FillRect(dc, &all, background.get());
    paint(dc);
    SelectObject(dc, previous);
    DeleteDC(dc);
    ImageListOwner images(ImageList_Create(kGlyphSize, kGlyphSize, ILC_COLOR24 | ILC_MASK, 1, 0));
    if (images) ImageList_AddMasked(images.get(), bitmap.get(), kGlyphBackground);
    return images;
}

// Draws with a pen of that colour and width, and fills with a brush of the same colour.
class Ink {
public:
    Ink(HDC dc, COLORREF colour, int width)
        : dc_(dc), pen_(CreatePen(PS_SOLID, width, colour)), brush_(CreateSolidBrush(colour)) {
        previousPen_ = SelectObject(dc_, pen_.get());
        previousBrush_ = SelectObject(dc_, brush_.get());
    }
    Ink(const Ink&) = delete;
    Ink& operator=(const Ink&) = delete;
    ~Ink() {
        SelectObject(dc_, previousPen_);
        SelectObject(dc_, previousBrush_);
    }

private:
    HDC dc_;
    GdiOwner<HPEN> pen_;
    GdiOwner<HBRUSH> brush_;
    HGDIOBJ previousPen_;
    HGDIOBJ previousBrush_;
};

// A green arrow going round three quarters of a circle, its head pointing up on the right.
ImageListOwner RetryGlyph() {
    return DrawGlyph([](HDC dc) {
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
ImageListOwner CancelGlyph() {
    return DrawGlyph([](HDC dc) {
        const Ink ink(dc, RGB(192, 0, 0), 3);
        const POINT down[] = {{3, 3}, {13, 13}};
        const POINT up[] = {{12, 3}, {2, 13}};
        Polyline(dc, down, 2);
        Polyline(dc, up, 2);
    });
}

// The image left of the caption. Buttons of the older common controls have no image lists and show the
// caption alone.
void SetButtonImage(HWND button, HIMAGELIST images) {
    BUTTON_IMAGELIST list{images, {2, 0, 0, 0}, BUTTON_IMAGELIST_ALIGN_LEFT};
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
    frame.clientWidth = 298;
    frame.clientHeight = 115;
    frame.owner = owner;
    frame.icon = LoadIconA(instance, MAKEINTRESOURCEA(IDI_ROMINADO));
    if (!CreateFrame(instance, frame)) return false;

    font_ = MakeFont("ＭＳ Ｐゴシック", 12);
    if (!CreateControls(Handle(), kControls, font_.get())) return false;
    retryImage_ = RetryGlyph();
    cancelImage_ = CancelGlyph();
    SetButtonImage(Control(kBtSetn), retryImage_.get());
    SetButtonImage(Control(kBtnCloce), cancelImage_.get());
    return true;
}

void TForm2::Show() {
    if (!IsWindowVisible(Handle())) FormActivate();
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
                // Unapplied choices are undone when the user comes from another window of this program, not
                // when coming back from another program (the window left behind is then none of this thread).
                const auto previous = reinterpret_cast<HWND>(lparam);
                if (!inBox_ && previous &&
                    GetWindowThreadProcessId(previous, nullptr) == GetCurrentThreadId())
                    FormActivate();
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
