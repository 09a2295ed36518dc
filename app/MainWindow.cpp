#include "app/MainWindow.h"

#include <commctrl.h>
#include <commdlg.h>
#include <shellapi.h>

#include <algorithm>
#include <iterator>

#include "app/AppMessage.h"
#include "app/AppTexts.h"
#include "app/FilterGrid.h"
#include "app/SaveText.h"
#include "platform/win32/Dpi.h"
#include "platform/win32/FileDrops.h"
#include "platform/win32/FittedControls.h"
#include "platform/win32/ProgramFolders.h"
#include "platform/win32/SpeedButton.h"
#include "platform/win32/WideText.h"
#include "res/resource.h"

namespace {

constexpr char kClassName[] = "TForm1";
constexpr int kFarOff = 1 << 20;  // pixels beyond any screen
constexpr char kWindowFontFace[] = "ＭＳ Ｐゴシック";
constexpr int kWindowFontHeight = 13;
constexpr int kOuterWidth = kMainOuterWidth;
constexpr int kOuterHeight = kMainOuterHeight;

// Font sizes are kept in points, which the DPI turns into pixels.
int PointsFromPixels(LONG height, UINT dpi) {
    return MulDiv(height < 0 ? -height : height, 72, static_cast<int>(dpi));
}

LONG PixelsFromPoints(int points, UINT dpi) {
    return -MulDiv(points, static_cast<int>(dpi), 72);
}

// The longest start of a face name that takes at most LF_FACESIZE - 1 bytes in Shift_JIS, whole characters
// only, as Data.INI has always kept it: it also fits the system's face name of LF_FACESIZE - 1 units.
Text FaceNameCut(const Text& name) {
    std::size_t end = 0, width = 0;
    while (end < name.size()) {
        width += ShiftJisWidth(CharacterAt(name, end));
        if (width > LF_FACESIZE - 1) break;
        end += CharacterBytes(name, end);
    }
    return name.substr(0, end);
}

}  // namespace

TForm1::TForm1(MessageLoop& loop, const Services& services)
    : loop_(loop),
      state_(services.pathOrder),
      reader_(state_, memo_, services.fileReader),
      handler_(state_, memo_, services.files, services.network, reader_, output_) {}

bool TForm1::Create(HINSTANCE instance) {
    FrameSpec frame{};
    frame.className = kClassName;
    SetApplicationTitle(kAppTitle);
    frame.caption = kAppTitle.c_str();
    frame.style = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN;
    frame.left = 226;
    frame.top = 114;
    frame.clientWidth = kOuterWidth;
    frame.clientHeight = kOuterHeight;
    frame.sizeIsOuter = true;
    frame.icon = LoadIconW(instance, MAKEINTRESOURCEW(IDI_ROMINADO));
    if (!CreateFrame(instance, frame)) return false;
    // Laid out at the DPI of the monitor it was created on: the designed client area scaled, in the frame of
    // that DPI.
    dpi_ = DpiOf(Handle());
    windowFont_ = MakeFontForDpi(kWindowFontFace, kWindowFontHeight, dpi_);
    if (!CreateChildren()) return false;
    if (dpi_ != kLayoutDpi) {
        const RECT frame96 = FrameForClient(RECT{}, frame.style, frame.exStyle, kLayoutDpi);
        SizeClientForDpi(Handle(), kOuterWidth - (frame96.right - frame96.left),
                         kOuterHeight - (frame96.bottom - frame96.top), dpi_);
    }
    ScaleTo(dpi_);
    WidenToHoldControls();
    // Tab, the arrow keys and the access keys work here as in a dialog.
    loop_.AddModeless(Handle());
    return true;
}

bool TForm1::CreateChildren() {
    if (!CreateControls(Handle(), kMainControls, kMainControlCount, windowFont_.get()) ||
        !CreateControls(Handle(), kGridCells, windowFont_.get()))
        return false;
    MakeFilterGrid(Item(kGridGet));
    for (const SpeedButtonGlyph& glyph : kSpeedButtonGlyphs)
        MakeSpeedButton(Item(glyph.buttonId));

    // The two radio groups start the way the layout shows them.
    SetChecked(kRdoFull, true);
    SetChecked(kRdoLineCnt, true);
    SyncRadioTabStops();

    memo_.AttachTextArea();
    SetMemoFont("ＭＳ ゴシック", 12);

    SetStatusPanels();
    for (int panel = 0; panel < 4; ++panel)
        memo_.SetStatusText(panel, Text());

    HWND bar = Item(kPBar1);
    SendMessageW(bar, PBM_SETRANGE32, 0, 1000);
    ShowWindow(bar, SW_HIDE);
    return true;
}

void TForm1::SetStatusPanels() {
    int edges[std::size(kStatusPanelEdges)];
    for (std::size_t i = 0; i < std::size(edges); ++i)
        edges[i] = ScaleForDpi(kStatusPanelEdges[i], dpi_);
    SendMessageW(Item(kStatus1), SB_SETPARTS, std::size(edges), reinterpret_cast<LPARAM>(edges));
}

void TForm1::ScaleTo(UINT dpi) {
    // The text area's font keeps its size in points.
    memoFont_.lfHeight = MulDiv(memoFont_.lfHeight, static_cast<int>(dpi), static_cast<int>(dpi_));
    dpi_ = dpi;
    FontOwner font = MakeFontForDpi(kWindowFontFace, kWindowFontHeight, dpi);
    SetFontOnChildren(Handle(), font.get());
    windowFont_ = std::move(font);  // the old one goes once no control uses it
    ApplyMemoFont();

    // A speed button draws its glyph and spacing beside its caption, clear of the neighbours that overlap it.
    const auto glyphRoom = [dpi](HWND button) {
        for (const SpeedButtonGlyph& glyph : kSpeedButtonGlyphs) {
            if (glyph.buttonId == GetDlgCtrlID(button))
                return ScaleForDpi(kGlyphSize, dpi) + ScaleForDpi(glyph.spacing, dpi) +
                       2 * ScaleForDpi(1, dpi);
        }
        return 0;
    };
    controlsWidth_ =
        PlaceControls(Handle(), kMainControls, kMainControlCount, dpi, kMainClientWidth, glyphRoom);
    PlaceControls(Handle(), kGridCells, dpi);
    SetStatusPanels();
    const auto instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(Handle(), GWLP_HINSTANCE));
    std::vector<ImageListOwner> glyphs;
    for (const SpeedButtonGlyph& glyph : kSpeedButtonGlyphs)
        glyphs.push_back(
            LoadSpeedButtonGlyph(instance, glyph.bitmapId, glyph.bitmapId2x, ScaleForDpi(kGlyphSize, dpi)));
    glyphs_ = std::move(glyphs);
    SetWindowIcons(Handle(), instance, IDI_ROMINADO, dpi, icons_);
    Layout();
    // The status bar's height follows its font, which rounds differently from the layout: the progress bar
    // stays inside it.
    RECT status, bar;
    GetClientRect(Item(kStatus1), &status);
    GetWindowRect(Item(kPBar1), &bar);
    MapWindowPoints(nullptr, Item(kStatus1), reinterpret_cast<POINT*>(&bar), 2);
    if (bar.bottom > status.bottom) {
        SetWindowPos(Item(kPBar1), nullptr, 0, 0, bar.right - bar.left, status.bottom - bar.top,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    InvalidateRect(Handle(), nullptr, TRUE);
}

void TForm1::WidenToHoldControls() {
    RECT client;
    GetClientRect(Handle(), &client);
    if (client.right < controlsWidth_) SizeClient(Handle(), controlsWidth_, client.bottom, dpi_);
}

void TForm1::PrepareForDrops() {
    // A close asked for during a drop goes ahead once the drop has ended, by an error too.
    loop_.SetHook([this](const MSG& msg, bool& handled) {
        try {
            AppMessage(handler_, msg, handled);
        } catch (...) {
            OperationEnded();
            throw;
        }
        OperationEnded();
    });
    AcceptFileDrops(Item(kMemo));

    appDir_ = ProgramFolder();

    ShowWindow(Item(kPBar1), SW_SHOW);
    memo_.ShowCaretPos();
    state_.FBusy = false;
}

void TForm1::Layout() {
    RECT client;
    GetClientRect(Handle(), &client);
    const int width = client.right;
    const int height = client.bottom;
    HWND status = Item(kStatus1);
    SendMessageW(status, WM_SIZE, 0, 0);
    RECT statusRect{};
    GetWindowRect(status, &statusRect);
    const int statusHeight = statusRect.bottom - statusRect.top;

    const bool contents = IsChecked(kRdoShow);
    const int top = ScaleForDpi(contents ? kTopPanelHeightWithContents : kTopPanelHeight, dpi_);
    const int left = IsChecked(kChkGet) ? ScaleForDpi(kFilterPanelWidth, dpi_) : 0;
    const int middle = height - top - statusHeight > 0 ? height - top - statusHeight : 0;
    MoveWindow(Item(kPnlTop), 0, 0, width, top, TRUE);
    MoveWindow(Item(kPnlGet), 0, top, left, middle, TRUE);
    MoveWindow(Item(kMemo), left, top, width - left > 0 ? width - left : 0, middle, TRUE);
    // Hidden while they have no room, so that the keyboard cannot walk into them.
    ShowWindow(Item(kPnlGet), left > 0 ? SW_SHOWNA : SW_HIDE);
    ShowWindow(Item(kGroupBox1), contents ? SW_SHOWNA : SW_HIDE);
}

int TForm1::ModeIndex() const {
    const int modes[] = {kRdoFull, kRdoName, kRdoShow, kRdoNET};
    for (int i = 0; i < 4; ++i) {
        if (IsChecked(modes[i])) return i;
    }
    return 4;
}

void TForm1::SelectMode(int index) {
    const int modes[] = {kRdoFull, kRdoName, kRdoShow, kRdoNET, kRdoShort};
    const int chosen = index >= 0 && index <= 4 ? modes[index] : kRdoFull;
    if (IsChecked(chosen)) return;
    for (int id : modes)
        SetChecked(id, id == chosen);
    SyncRadioTabStops();
    RdoFullClick();
}

void TForm1::SyncRadioTabStops() {
    // Tab enters a radio group at its checked button; the arrow keys move within the group.
    for (int id : {kRdoFull, kRdoName, kRdoShow, kRdoNET, kRdoShort, kRdoLineCnt, kRdoLineAll}) {
        HWND radio = Item(id);
        const LONG_PTR style = GetWindowLongPtrW(radio, GWL_STYLE);
        SetWindowLongPtrW(radio, GWL_STYLE, IsChecked(id) ? style | WS_TABSTOP : style & ~WS_TABSTOP);
    }
}

void TForm1::FocusControl(HWND control) {
    if (!control) return;
    SetFocus(control);
    // As in a dialog, a filter cell entered by the keyboard has its text selected (the text area declines).
    if (SendMessageW(control, WM_GETDLGCODE, 0, 0) & DLGC_HASSETSEL) SendMessageW(control, EM_SETSEL, 0, -1);
}

int TForm1::MemoFontPoints() const {
    return PointsFromPixels(memoFont_.lfHeight, dpi_);
}

void TForm1::SetMemoFont(const Text& name, int points) {
    memoFont_ = LOGFONTW{};
    memoFont_.lfHeight = PixelsFromPoints(std::clamp(points, kMemoFontPointsMin, kMemoFontPointsMax), dpi_);
    memoFont_.lfWeight = FW_NORMAL;
    memoFont_.lfCharSet = SHIFTJIS_CHARSET;
    memoFont_.lfPitchAndFamily = FIXED_PITCH | FF_MODERN;
    const std::wstring face = Wide(FaceNameCut(name));
    std::copy_n(face.data(), face.size(), memoFont_.lfFaceName);
    memoFont_.lfFaceName[face.size()] = L'\0';
    memoColor_ = CLR_INVALID;
    ApplyMemoFont();
}

void TForm1::PlaceAt(int left, int top) {
    // Far off every screen either way; bounded first, so that the right and bottom edges cannot overflow.
    RECT rect{};
    GetWindowRect(Handle(), &rect);
    OffsetRect(&rect, std::clamp(left, -kFarOff, kFarOff) - rect.left,
               std::clamp(top, -kFarOff, kFarOff) - rect.top);
    // Moved once, straight to its place: on the way it could pass a monitor of another DPI.
    rect = FitInside(rect, NearestWorkArea(rect));
    SetWindowPos(Handle(), nullptr, rect.left, rect.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void TForm1::ApplyMemoFont() {
    memoFontHandle_.reset(CreateFontIndirectW(&memoFont_));
    SendMessageW(Item(kMemo), WM_SETFONT, reinterpret_cast<WPARAM>(memoFontHandle_.get()), TRUE);
}

void TForm1::RdoFullClick() {
    Layout();
}

void TForm1::ChkGetClick() {
    Layout();
}

void TForm1::BtnSaveClick() {
    SaveTarget target = AskSaveTarget(Handle());
    if (target.path.empty()) return;
    const Text text = memo_.MemoText();
    // Lines the chosen encoding would change: はい takes the other encoding, いいえ keeps it, キャンセル
    // saves nothing.
    const auto keepsOn = [&](std::size_t lossy, const Text& question, SaveEncoding other) {
        if (lossy == 0) return true;
        const int answer = AskYesNoCancel(Handle(), question);
        if (answer == IDYES) target.encoding = other;
        return answer == IDYES || answer == IDNO;
    };
    if (target.encoding != SaveEncoding::ShiftJis) {
        const std::size_t lossy = LinesUnicodeCannotHold(text);
        if (!keepsOn(lossy, UnicodeLossQuestion(lossy), SaveEncoding::ShiftJis)) return;
    }
    if (target.encoding == SaveEncoding::ShiftJis) {
        const std::size_t lossy = LinesShiftJisCannotHold(text);
        if (!keepsOn(lossy, ShiftJisLossQuestion(lossy), SaveEncoding::Utf8WithBom)) return;
    }
    SaveBytes(target.path, EncodedForSave(text, target.encoding));
}

void TForm1::BtnClearClick() {
    SetItemText(kMemo, Text());
    memo_.ShowCaretPos();
}

void TForm1::BtnFontClick() {
    LOGFONTW chosen = memoFont_;
    CHOOSEFONTW dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = Handle();
    dialog.lpLogFont = &chosen;
    dialog.Flags = CF_INITTOLOGFONTSTRUCT | CF_SCREENFONTS | CF_EFFECTS;
    dialog.rgbColors = memoColor_ == CLR_INVALID ? GetSysColor(COLOR_WINDOWTEXT) : memoColor_;
    if (!ChooseFontW(&dialog)) return;
    memoFont_ = chosen;
    memoColor_ = dialog.rgbColors;
    ApplyMemoFont();
}

LRESULT TForm1::HandleMessage(UINT msg, WPARAM wparam, LPARAM lparam) {
    switch (msg) {
        case WM_SIZE:
            Layout();
            return 0;
        case WM_COMMAND:
            OnCommand(LOWORD(wparam), HIWORD(wparam));
            return 0;
        case WM_DPICHANGED:
            // The controls first, so that the resizing to the suggested rectangle lays them out at the new
            // DPI.
            ScaleTo(HIWORD(wparam) ? HIWORD(wparam) : kLayoutDpi);
            AcceptDpiChange(Handle(), wparam, lparam);
            WidenToHoldControls();
            return 0;
        case WM_DRAWITEM:
            PaintSpeedButton(*reinterpret_cast<const DRAWITEMSTRUCT*>(lparam));
            return TRUE;
        case WM_SETCURSOR:
            // Messages are processed between the parts of a long text going into the text area; the cursor
            // keeps waiting over the window and its controls meanwhile.
            if (memo_.Filling()) {
                SetCursor(LoadCursor(nullptr, IDC_WAIT));
                return TRUE;
            }
            return Default(msg, wparam, lparam);
        case WM_CTLCOLOREDIT:
            if (reinterpret_cast<HWND>(lparam) == Item(kMemo) && memoColor_ != CLR_INVALID) {
                SetTextColor(reinterpret_cast<HDC>(wparam), memoColor_);
                SetBkColor(reinterpret_cast<HDC>(wparam), GetSysColor(COLOR_WINDOW));
                return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_WINDOW));
            }
            return Default(msg, wparam, lparam);
        case WM_NEXTDLGCTL:
            // The dialog manager's moves (Tab, Shift+Tab, arrows, access keys) in a window that is no dialog.
            FocusControl(LOWORD(lparam) ? reinterpret_cast<HWND>(wparam)
                                        : GetNextDlgTabItem(Handle(), GetFocus(), wparam != 0));
            return 0;
        case WM_ACTIVATE:
            // The control that had the keyboard gets it back when the user returns; the text area at first.
            if (LOWORD(wparam) == WA_INACTIVE) {
                HWND focus = GetFocus();
                if (focus && IsChild(Handle(), focus)) lastFocus_ = focus;
            } else if (!HIWORD(wparam)) {
                FocusControl(lastFocus_ && IsChild(Handle(), lastFocus_) ? lastFocus_ : Item(kMemo));
            }
            return 0;
        case WM_CLOSE:
            FormCloseQuery();
            return 0;
        case WM_QUERYENDSESSION:
            // The log-off never waits for this program: the settings are written, and a failure goes
            // unreported, as a box would hold the log-off up.
            try {
                if (commands_.closeQuery) commands_.closeQuery();
            } catch (const std::exception&) {
            }
            return TRUE;
        case WM_DESTROY:
            loop_.RemoveModeless(Handle());
            PostQuitMessage(0);
            return 0;
        default:
            return Default(msg, wparam, lparam);
    }
}

void TForm1::FormCloseQuery() {
    if (state_.FBusy) {
        // Destroyed now, the window would vanish under the running drop or edit operation, whose finishing
        // steps would then put an empty text on the clipboard: stop it, and close once it has ended.
        closeRequested_ = true;
        state_.FAbort = true;
        if (editAbort_) editAbort_();
        return;
    }
    // A settings file that cannot be written is reported once; the window closes all the same.
    try {
        if (commands_.closeQuery) commands_.closeQuery();
    } catch (const std::exception& error) {
        ShowErrorReport(Handle(), error.what());
    }
    DestroyWindow(Handle());
}

void TForm1::OperationEnded() {
    if (!closeRequested_ || state_.FBusy) return;
    closeRequested_ = false;
    // Posted: the operation's callers unwind before the window goes.
    PostMessageW(Handle(), WM_CLOSE, 0, 0);
}

void TForm1::OnCommand(int id, int code) {
    if (code != BN_CLICKED) return;
    auto run = [](const std::function<void()>& command) {
        if (command) command();
    };
    switch (id) {
        case kBtnClose:
            SendMessageW(Handle(), WM_CLOSE, 0, 0);
            break;
        case kBtnSave:
            BtnSaveClick();
            break;
        case kBtnClear:
            BtnClearClick();
            break;
        case kBtnEdit:
            run(commands_.showEditWindow);
            break;
        case kBtnFont:
            BtnFontClick();
            break;
        case kBtnSet:
            run(commands_.showSettingsWindow);
            break;
        case kBtnVer:
            run(commands_.showAboutBox);
            break;
        case kBtnHelp:
            run(commands_.showHelp);
            break;
        case kRdoFull:
        case kRdoName:
        case kRdoShow:
        case kRdoNET:
        case kRdoShort:
            SyncRadioTabStops();
            RdoFullClick();
            break;
        case kRdoLineCnt:
        case kRdoLineAll:
            SyncRadioTabStops();
            break;
        case kChkGet:
            ChkGetClick();
            break;
        default:
            break;
    }
}

void TForm1::PaintSpeedButton(const DRAWITEMSTRUCT& item) {
    for (std::size_t i = 0; i < kSpeedButtonCount; ++i) {
        // No glyph yet while the window is being made.
        if (kSpeedButtonGlyphs[i].buttonId == static_cast<int>(item.CtlID) && i < glyphs_.size())
            return DrawSpeedButton(item, windowFont_.get(), glyphs_[i].get(),
                                   ScaleForDpi(kSpeedButtonGlyphs[i].spacing, dpi_));
    }
    DrawSpeedButton(item, windowFont_.get(), nullptr, 0);
}
