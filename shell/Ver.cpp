#include "shell/Ver.h"

#include <algorithm>
#include <iterator>

#include "platform/win32/Dpi.h"
#include "platform/win32/FittedControls.h"
#include "res/Version.h"
#include "res/resource.h"

namespace {

constexpr DWORD kLabel = SS_LEFTNOWORDWRAP | SS_NOPREFIX;

const ControlSpec kControls[] = {
    {kPanel1, nullptr, "", 0, 8, 8, 281, 161, 0, -1, WS_EX_CONTROLPARENT},
    {kOKButton, "BUTTON", "OK", BS_PUSHBUTTON, 112, 184, 75, 25, 0, 1},
    // Sunken outside, raised inside: the panel's two bevels.
    {kPanelFrame, "STATIC", "", SS_ETCHEDFRAME, 0, 0, 281, 161, kPanel1, -1},
    {kProgramIcon, "STATIC", "", SS_BITMAP, 24, 16, 49, 49, kPanel1, -1},
    {kProductName, "STATIC", "アプリ名： ロミナード", kLabel, 88, 16, 182, 16, kPanel1, -1},
    {kVersion, "STATIC", "Version： " ROMINADO_VERSION_TEXT, kLabel, 96, 40, 98, 16, kPanel1, -1},
    {kMaker, "STATIC", "製作者： Kelvoro", kLabel, 8, 74, 104, 15, kPanel1, -1},
    {kLabel2, "STATIC", "更新日： 00/01/16", kLabel, 8, 92, 122, 15, kPanel1, -1},
    {kAboutLabel1, "STATIC", "機   能： フルパスを取得するアプリ", kLabel, 8, 130, 219, 15, kPanel1, -1},
};

constexpr int kPictureSize = 49;
// The program's picture is drawn at 64 x 64 and at twice that; the larger serves where the smaller would be
// enlarged.
constexpr int kPictureDrawn = 64;
constexpr char kFontFace[] = "ＭＳ Ｐゴシック";
constexpr int kClientWidth = 298;
constexpr int kClientHeight = 222;

BitmapOwner LoadPicture(HINSTANCE instance, int size) {
    const int id = size > kPictureDrawn ? IDB_PROGRAMICON2X : IDB_PROGRAMICON;
    const BitmapOwner drawn(static_cast<HBITMAP>(
        LoadImageW(instance, MAKEINTRESOURCEW(id), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
    return drawn ? StretchBitmap(drawn.get(), size, size) : BitmapOwner();
}

}  // namespace

bool TAboutBox::Create(HINSTANCE instance, HWND owner) {
    FrameSpec frame{};
    frame.className = "TAboutBox";
    frame.caption = "ﾊﾞｰｼﾞｮﾝ情報";
    frame.style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU;
    frame.exStyle = WS_EX_DLGMODALFRAME;
    frame.left = CW_USEDEFAULT;
    frame.top = CW_USEDEFAULT;
    frame.clientWidth = kClientWidth;
    frame.clientHeight = kClientHeight;
    frame.owner = owner;
    if (!CreateFrame(instance, frame)) return false;

    ControlSpec controls[std::size(kControls)];
    std::copy(std::begin(kControls), std::end(kControls), controls);
    controls[0].windowClass = PanelClassName(instance);
    if (!CreateControls(Handle(), controls, nullptr)) return false;
    // Laid out at the DPI of the monitor it was created on.
    ScaleTo(DpiOf(Handle()));
    return true;
}

void TAboutBox::ScaleTo(UINT dpi) {
    FontOwner font = MakeFontForDpi(kFontFace, 12, dpi);
    FontOwner nameFont = MakeFontForDpi(kFontFace, 16, dpi, true);
    FontOwner versionFont = MakeFontForDpi(kFontFace, 16, dpi);
    FontOwner smallFont = MakeFontForDpi(kFontFace, 15, dpi);
    const auto setFont = [this](int id, const FontOwner& font) {
        SendMessageW(Item(id), WM_SETFONT, reinterpret_cast<WPARAM>(font.get()), TRUE);
    };
    setFont(kOKButton, font);
    setFont(kProductName, nameFont);
    setFont(kVersion, versionFont);
    for (int id : {kMaker, kLabel2, kAboutLabel1})
        setFont(id, smallFont);
    // The old fonts go once no control uses them.
    font_ = std::move(font);
    nameFont_ = std::move(nameFont);
    versionFont_ = std::move(versionFont);
    smallFont_ = std::move(smallFont);

    SizeClient(Handle(), PlaceControls(Handle(), kControls, dpi, kClientWidth),
               ScaleForDpi(kClientHeight, dpi), dpi);

    // The picture, stretched to the box.
    const auto instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(Handle(), GWLP_HINSTANCE));
    if (BitmapOwner picture = LoadPicture(instance, ScaleForDpi(kPictureSize, dpi))) {
        SendMessageW(Item(kProgramIcon), STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(picture.get()));
        picture_ = std::move(picture);
    }
}

void TAboutBox::Show() {
    if (!shown_) {
        RECT frame;
        GetWindowRect(Handle(), &frame);
        const int width = frame.right - frame.left;
        const int height = frame.bottom - frame.top;
        SetWindowPos(Handle(), nullptr, (GetSystemMetrics(SM_CXSCREEN) - width) / 2,
                     (GetSystemMetrics(SM_CYSCREEN) - height) / 2, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        shown_ = true;
    }
    ShowWindow(Handle(), SW_SHOW);
    SetForegroundWindow(Handle());
}

void TAboutBox::OKButtonClick() {
    ShowWindow(Handle(), SW_HIDE);
}

LRESULT TAboutBox::HandleMessage(UINT msg, WPARAM wparam, LPARAM lparam) {
    switch (msg) {
        case WM_COMMAND:
            // Esc and Enter reach the box as IDCANCEL and IDOK; having no such buttons, it ignores them.
            if (LOWORD(wparam) == kOKButton && HIWORD(wparam) == BN_CLICKED) OKButtonClick();
            return 0;
        case WM_CTLCOLORSTATIC:
            if (reinterpret_cast<HWND>(lparam) == Item(kProductName)) {
                const auto dc = reinterpret_cast<HDC>(wparam);
                SetTextColor(dc, GetSysColor(COLOR_HIGHLIGHT));
                SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
                return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
            }
            return Default(msg, wparam, lparam);
        case WM_ACTIVATE:
            if (LOWORD(wparam) != WA_INACTIVE) SetFocus(Item(kOKButton));
            return 0;
        default:
            return SecondaryWindow::HandleMessage(msg, wparam, lparam);
    }
}
