#include "shell/Ver.h"

#include <algorithm>
#include <iterator>

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

// Widens a label to the width its text takes in its font. A substitute for the designed font can be wider,
// and the label would cut its text.
void FitWidthToText(HWND label) {
    char text[256];
    const int length = GetWindowTextA(label, text, sizeof text);
    const HDC dc = GetDC(label);
    const HGDIOBJ previous =
        SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageA(label, WM_GETFONT, 0, 0)));
    SIZE size{};
    GetTextExtentPoint32A(dc, text, length, &size);
    SelectObject(dc, previous);
    ReleaseDC(label, dc);
    RECT rect;
    GetWindowRect(label, &rect);
    if (size.cx > rect.right - rect.left) {
        SetWindowPos(label, nullptr, 0, 0, size.cx, rect.bottom - rect.top,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
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
    frame.clientWidth = 298;
    frame.clientHeight = 222;
    frame.owner = owner;
    if (!CreateFrame(instance, frame)) return false;

    ControlSpec controls[std::size(kControls)];
    std::copy(std::begin(kControls), std::end(kControls), controls);
    controls[0].windowClass = PanelClassName(instance);
    font_ = MakeFont("ＭＳ Ｐゴシック", 12);
    if (!CreateControls(Handle(), controls, font_.get())) return false;

    nameFont_ = MakeFont("ＭＳ Ｐゴシック", 16, true);
    versionFont_ = MakeFont("ＭＳ Ｐゴシック", 16);
    smallFont_ = MakeFont("ＭＳ Ｐゴシック", 15);
    const auto setFont = [this](int id, const FontOwner& font) {
        SendMessageA(Control(id), WM_SETFONT, reinterpret_cast<WPARAM>(font.get()), FALSE);
    };
    setFont(kProductName, nameFont_);
    setFont(kVersion, versionFont_);
    for (int id : {kMaker, kLabel2, kAboutLabel1})
        setFont(id, smallFont_);
    for (int id : {kProductName, kVersion, kMaker, kLabel2, kAboutLabel1})
        FitWidthToText(Control(id));

    // The 64 x 64 picture, stretched to the box as it is loaded.
    picture_.reset(static_cast<HBITMAP>(LoadImageA(instance, MAKEINTRESOURCEA(IDB_PROGRAMICON), IMAGE_BITMAP,
                                                   kPictureSize, kPictureSize, LR_CREATEDIBSECTION)));
    if (picture_) {
        SendMessageA(Control(kProgramIcon), STM_SETIMAGE, IMAGE_BITMAP,
                     reinterpret_cast<LPARAM>(picture_.get()));
    }
    return true;
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
            if (reinterpret_cast<HWND>(lparam) == Control(kProductName)) {
                const auto dc = reinterpret_cast<HDC>(wparam);
                SetTextColor(dc, GetSysColor(COLOR_HIGHLIGHT));
                SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
                return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
            }
            return Default(msg, wparam, lparam);
        case WM_ACTIVATE:
            if (LOWORD(wparam) != WA_INACTIVE) SetFocus(Control(kOKButton));
            return 0;
        case WM_CLOSE:
            OKButtonClick();
            return 0;
        default:
            return Default(msg, wparam, lparam);
    }
}
