#include "edit/EditForm.h"

#include "platform/win32/Dpi.h"
#include "platform/win32/FittedControls.h"

namespace {

constexpr char kClassName[] = "TForm3";
constexpr int kClientWidth = 194;
constexpr int kClientHeight = 278;
constexpr char kFontFace[] = "ＭＳ Ｐゴシック";
constexpr int kFontHeight = 12;

constexpr DWORD kButton = BS_PUSHBUTTON;

// clang-format off
const ControlSpec kControls[] = {
    // id                   class     caption            style     left   top width height parent tab
    {TForm3::BtnUpper,      "BUTTON", "大文字",        kButton,   16,   16,   75,   25,    0,     0},
    {TForm3::BtnLower,      "BUTTON", "小文字",        kButton,  104,   16,   75,   25,    0,     1},
    {TForm3::BtnHalf,       "BUTTON", "半角",          kButton,   16,   48,   75,   25,    0,     2},
    {TForm3::BtnAll,        "BUTTON", "全角",          kButton,  104,   48,   75,   25,    0,     3},
    {TForm3::BtnSortD,      "BUTTON", "名昇順",        kButton,   16,   80,   75,   25,    0,     4},
    {TForm3::BtnSortU,      "BUTTON", "名降順",        kButton,  104,   80,   75,   25,    0,     5},
    {TForm3::BtnKindDn,     "BUTTON", "拡昇順",        kButton,   16,  112,   75,   25,    0,    10},
    {TForm3::BtnKindUp,     "BUTTON", "拡降順",        kButton,  104,  112,   75,   25,    0,    11},
    {TForm3::BtnName,       "BUTTON", "ﾌｧｲﾙ名",        kButton,   16,  144,   75,   25,    0,    12},
    {TForm3::BitBtn1,       "BUTTON", "パス",          kButton,  104,  144,   75,   25,    0,    13},
    {TForm3::BtnDist,       "BUTTON", "重複削除",      kButton,   16,  176,   75,   25,    0,     6},
    {TForm3::BtnDistOrder,  "BUTTON", "重複(順保持)",  kButton,  104,  176,   75,   25,    0,     7},
    {TForm3::BtnBack,       "BUTTON", "戻す",          kButton,   16,  208,  161,   25,    0,     9},
    {TForm3::BtnClose,      "BUTTON", "戻る",          kButton,  104,  248,   75,   25,    0,     8},
    {TForm3::BtnBreak,      "BUTTON", "中止",          kButton,   16,  248,   75,   25,    0,    14},
    // The frame around the operation buttons: created last, so it lies below them, and clipped by them.
    {TForm3::Bevel1,        "STATIC", "",              SS_ETCHEDFRAME | WS_CLIPSIBLINGS, 8, 8, 177, 233, 0, -1},
};
// clang-format on

}  // namespace

TForm3::TForm3(View& view, BusyState& state, CaseMapper& cases, Collation& collation, MessageLoop& loop)
    : loop_(loop), operations_(view, state, cases, collation, *this) {}

TForm3::~TForm3() {
    if (Handle()) loop_.RemoveModeless(Handle());
}

bool TForm3::Create(HINSTANCE instance, HWND mainWindow) {
    mainWindow_ = mainWindow;
    FrameSpec frame{};
    frame.className = kClassName;
    frame.caption = "編集";
    // A dialog frame: fixed size, no minimize or maximize box; above every other window.
    frame.style = WS_POPUP | WS_CAPTION | WS_SYSMENU;
    frame.exStyle = WS_EX_DLGMODALFRAME | WS_EX_TOPMOST;
    frame.clientWidth = kClientWidth;
    frame.clientHeight = kClientHeight;
    frame.owner = mainWindow;
    if (!CreateFrame(instance, frame)) return false;
    if (!CreateControls(Handle(), kControls, nullptr)) return false;
    // Laid out at the DPI of the monitor it was created on.
    ScaleTo(DpiOf(Handle()));
    ShowWindow(Item(BtnBreak), SW_HIDE);
    loop_.AddModeless(Handle());
    return true;
}

void TForm3::FormShow() {
    if (IsWindowVisible(Handle())) {
        SetWindowPos(Handle(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
        return;
    }
    // Against the main window's right edge, top-aligned; moved back inside the work area of the main window's
    // monitor where it would leave it.
    RECT main{};
    GetWindowRect(mainWindow_, &main);
    RECT rect{};
    GetWindowRect(Handle(), &rect);
    OffsetRect(&rect, main.right - rect.left, main.top - rect.top);
    rect = FitInside(rect, NearestWorkArea(main));
    SetWindowPos(Handle(), nullptr, rect.left, rect.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    ShowWindow(Handle(), SW_SHOW);
}

LRESULT TForm3::HandleMessage(UINT msg, WPARAM wparam, LPARAM lparam) {
    switch (msg) {
        case WM_COMMAND: {
            if (HIWORD(wparam) != BN_CLICKED) break;
            const int id = LOWORD(wparam);
            if (id > kOperationIdBase && id <= kOperationIdBase + kTagDistinctInOrder) {
                BtnUpperClick(id - kOperationIdBase);
            } else if (id == BtnBack) {
                BtnBackClick();
            } else if (id == BtnClose) {
                BtnCloseClick();
            } else if (id == BtnBreak) {
                BtnBreakClick();
            }
            return 0;
        }
        case WM_DESTROY:
            // Destroyed with its owner, the main window: the loop must not keep the handle.
            loop_.RemoveModeless(Handle());
            break;
        default:
            break;
    }
    return SecondaryWindow::HandleMessage(msg, wparam, lparam);
}

void TForm3::ScaleTo(UINT dpi) {
    FontOwner font = MakeFontForDpi(kFontFace, kFontHeight, dpi);
    SetFontOnChildren(Handle(), font.get());
    font_ = std::move(font);  // the old one goes once no control uses it
    SizeClient(Handle(), PlaceControls(Handle(), kControls, dpi, kClientWidth),
               ScaleForDpi(kClientHeight, dpi), dpi);
}

void TForm3::SetBreakVisible(bool visible) {
    const HWND button = Item(BtnBreak);
    // A hidden control that keeps the focus would leave the keyboard with nowhere to go.
    if (!visible && GetFocus() == button) SetFocus(GetNextDlgTabItem(Handle(), button, FALSE));
    ShowWindow(button, visible ? SW_SHOW : SW_HIDE);
}

void TForm3::BtnUpperClick(int tag) {
    Counted([&] { operations_.Run(tag); });
}

template <typename Work>
void TForm3::Counted(Work work) {
    ++running_;
    try {
        work();
    } catch (...) {
        OperationEnded();
        throw;
    }
    OperationEnded();
}

void TForm3::OperationEnded() {
    --running_;
    if (operationEnded_) operationEnded_();
}

void TForm3::AbortOperation() {
    if (running_ > 0) BtnBreakClick();
}

void TForm3::BtnBackClick() {
    // Runs as an operation does: a close waits for it and aborts it.
    Counted([&] { operations_.Undo(); });
}

void TForm3::BtnCloseClick() {
    operations_.ForgetUndo();
    ShowWindow(Handle(), SW_HIDE);
}

void TForm3::BtnBreakClick() {
    operations_.Abort();
}
