#include "app/MainWindow.h"

#include <commdlg.h>
#include <shellapi.h>

#include <algorithm>
#include <climits>
#include <cstring>

#include "app/SaveText.h"
#include "platform/win32/AppMessage.h"
#include "platform/win32/Clipboard.h"
#include "platform/win32/ProgramFolders.h"
#include "res/resource.h"
#include "text/AppError.h"
#include "text/CharacterCut.h"
#include "text/NumberField.h"
#include "text/PathPieces.h"

namespace {

constexpr char kClassName[] = "TForm1";
constexpr int kTopPanelHeight = 49;
constexpr int kTopPanelHeightWithContents = 97;
constexpr int kFilterPanelWidth = 81;
constexpr int kStatusHeight = 19;
constexpr int kGridRowHeight = 20;
constexpr int kGridColumnWidth = 64;
constexpr int kFarOff = 1 << 20;  // pixels beyond any screen
// Right edges of the four status panels, from their widths 90, 155, 30 and 500.
constexpr int kStatusPanelEdges[4] = {90, 245, 275, 775};

constexpr DWORD kSpeedButton = BS_OWNERDRAW;
constexpr DWORD kCheck = BS_AUTOCHECKBOX;
constexpr DWORD kRadio = BS_AUTORADIOBUTTON;

const char* Panel() {
    return PanelClassName(GetModuleHandleA(nullptr));
}

bool Checked(HWND control) {
    return SendMessageA(control, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void SetChecked(HWND control, bool checked) {
    SendMessageA(control, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

Text WindowText(HWND control) {
    const int capacity = GetWindowTextLengthA(control) + 1;
    Text text(static_cast<std::size_t>(capacity), '\0');
    const int length = GetWindowTextA(control, text.data(), capacity);
    text.resize(static_cast<std::size_t>(length > 0 ? length : 0));
    return text;
}

int PointsFromPixels(LONG height) {
    return MulDiv(height < 0 ? -height : height, 72, 96);
}

LONG PixelsFromPoints(int points) {
    return -MulDiv(points, 96, 72);
}

}  // namespace

TForm1::TForm1(MessageLoop& loop) : loop_(loop) {}

TForm1::~TForm1() {
    for (Glyph& glyph : glyphs_) {
        if (glyph.images) ImageList_Destroy(glyph.images);
    }
}

bool TForm1::Create(HINSTANCE instance) {
    windowFont_ = MakeFont("ＭＳ Ｐゴシック", 13);
    FrameSpec frame{};
    frame.className = kClassName;
    frame.caption = kAppTitle;
    frame.style = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN;
    frame.left = 226;
    frame.top = 114;
    frame.clientWidth = 596;
    frame.clientHeight = 328;
    frame.sizeIsOuter = true;
    frame.icon = LoadIconA(instance, MAKEINTRESOURCEA(IDI_ROMINADO));
    if (!CreateFrame(instance, frame)) return false;
    if (!CreateChildren(instance)) return false;
    LoadGlyphs(instance);
    Layout();
    // Tab, the arrow keys and the access keys work here as in a dialog.
    loop_.AddModeless(Handle());
    return true;
}

bool TForm1::CreateChildren(HINSTANCE instance) {
    const ControlSpec controls[] = {
        // id, class, caption, style, left, top, width, height, parent, tab order, extended style
        {kMemo, "EDIT", "",
         ES_MULTILINE | ES_WANTRETURN | ES_AUTOHSCROLL | ES_AUTOVSCROLL | ES_NOHIDESEL | WS_HSCROLL |
             WS_VSCROLL,
         0, 49, 588, 225, 0, 0, WS_EX_CLIENTEDGE},
        {kPnlTop, Panel(), "", WS_CLIPSIBLINGS, 0, 0, 588, 49, 0, 1, WS_EX_CONTROLPARENT},
        {kPnlGet, Panel(), "", WS_CLIPSIBLINGS, 0, 49, 0, 225, 0, 4, WS_EX_CONTROLPARENT},
        {kStatus1, STATUSCLASSNAMEA, "", SBARS_SIZEGRIP | CCS_BOTTOM, 0, 274, 588, kStatusHeight, 0, -1},

        {kBtnClose, "BUTTON", "終了(&X)", kSpeedButton | WS_GROUP, 0, 0, 65, 22, kPnlTop, -1},
        {kBtnSave, "BUTTON", "保存(&S)", kSpeedButton, 64, 0, 65, 22, kPnlTop, -1},
        {kBtnClear, "BUTTON", "ｸﾘｱ(&D)", kSpeedButton, 128, 0, 65, 22, kPnlTop, -1},
        {kBtnEdit, "BUTTON", "編集(&E)", kSpeedButton, 192, 0, 65, 22, kPnlTop, -1},
        {kBtnFont, "BUTTON", "文字(&F)", kSpeedButton, 256, 0, 65, 22, kPnlTop, -1},
        {kBtnSet, "BUTTON", "設定(&O)", kSpeedButton, 320, 0, 65, 22, kPnlTop, -1},
        {kBtnVer, "BUTTON", "情報(&V)", kSpeedButton, 384, 0, 65, 22, kPnlTop, -1},
        {kBtnHelp, "BUTTON", "ﾍﾙﾌﾟ(&H)", kSpeedButton, 448, 0, 65, 22, kPnlTop, -1},
        {kChkGet, "BUTTON", "絞込", kCheck | WS_GROUP, 522, 4, 49, 17, kPnlTop, 7},
        {kChkFAll, "BUTTON", "ﾌｫﾙﾀﾞ配下", kCheck | WS_GROUP, 8, 28, 81, 17, kPnlTop, 5},
        {kRdoFull, "BUTTON", "フルパス(&P)", kRadio | WS_GROUP, 88, 28, 89, 17, kPnlTop, 0},
        {kRdoName, "BUTTON", "ﾌｧｲﾙ名のみ(&N)", kRadio, 176, 28, 105, 17, kPnlTop, 1},
        {kRdoShow, "BUTTON", "ﾌｧｲﾙの内容(&T)", kRadio, 288, 28, 105, 17, kPnlTop, 2},
        {kRdoNET, "BUTTON", "ﾈｯﾄ絶対ﾊﾟｽ(&L)", kRadio, 400, 28, 105, 17, kPnlTop, 3},
        {kRdoShort, "BUTTON", "ｼｮｰﾄﾊﾟｽ(&B)", kRadio, 504, 28, 89, 17, kPnlTop, 4},
        // A container that forwards its children's clicks; the frame and caption are drawn by the group box
        // control inside it (a group box itself would keep its children's notifications).
        {kGroupBox1, Panel(), "", WS_GROUP, 8, 48, 577, 41, kPnlTop, 6, WS_EX_CONTROLPARENT},

        {kGroupBox1 + 1000, "BUTTON", "ファイル内容 詳細設定", BS_GROUPBOX, 0, 0, 577, 41, kGroupBox1, -1},
        {kChkNull, "BUTTON", "空行除く", kCheck | WS_GROUP, 8, 16, 81, 17, kGroupBox1, 2},
        {kRdoLineCnt, "BUTTON", "行数出力", kRadio, 88, 16, 81, 17, kGroupBox1, 1},
        {kRdoLineAll, "BUTTON", "全行出力", kRadio | WS_GROUP, 176, 16, 81, 17, kGroupBox1, 0},

        {kLabel1, "STATIC", "拡張子", SS_LEFT, 8, 8, 39, 13, kPnlGet, -1},
        {kGridGet, Panel(), "", 0, 8, 24, 68, 110, kPnlGet, 0, WS_EX_CLIENTEDGE | WS_EX_CONTROLPARENT},

        {kPBar1, PROGRESS_CLASSA, "", 0, 93, 2, 150, 17, kStatus1, -1},
    };
    if (!CreateControls(Handle(), controls, windowFont_.get())) return false;

    // The grid's five cells: editors always shown, one column, a line between rows. The grid is one tab
    // stop, the cell last visited; the arrow keys move between the cells.
    HWND grid = Control(kGridGet);
    for (int row = 0; row < 5; ++row) {
        const DWORD stop = row == 0 ? WS_TABSTOP : 0;
        HWND cell = CreateWindowExA(0, "EDIT", "", WS_CHILD | WS_VISIBLE | stop | ES_AUTOHSCROLL, 0,
                                    row * (kGridRowHeight + 1), kGridColumnWidth, kGridRowHeight, grid,
                                    reinterpret_cast<HMENU>(static_cast<INT_PTR>(kGridCell0 + row)), instance,
                                    nullptr);
        if (!cell) return false;
        SendMessageA(cell, WM_SETFONT, reinterpret_cast<WPARAM>(windowFont_.get()), FALSE);
        SetWindowSubclass(cell, &TForm1::GridCellProcedure, 1, reinterpret_cast<DWORD_PTR>(this));
    }
    for (int id : {kBtnClose, kBtnSave, kBtnClear, kBtnEdit, kBtnFont, kBtnSet, kBtnVer, kBtnHelp})
        MakeSpeedButton(Control(id));

    // The two radio groups start the way the layout shows them.
    SetChecked(Control(kRdoFull), true);
    SetChecked(Control(kRdoLineCnt), true);
    SyncRadioTabStops();

    HWND memo = Control(kMemo);
    SendMessageA(memo, EM_SETLIMITTEXT, 0, 0);  // 0: the largest limit the control has
    SetWindowSubclass(memo, &TForm1::MemoProcedure, 1, reinterpret_cast<DWORD_PTR>(this));
    SetMemoFont("ＭＳ ゴシック", 12);

    HWND status = Control(kStatus1);
    SendMessageA(status, SB_SETPARTS, 4, reinterpret_cast<LPARAM>(kStatusPanelEdges));
    for (int panel = 0; panel < 4; ++panel)
        SetStatusText(panel, Text());

    HWND bar = Control(kPBar1);
    SendMessageA(bar, PBM_SETRANGE32, 0, 1000);
    ShowWindow(bar, SW_HIDE);
    return true;
}

void TForm1::LoadGlyphs(HINSTANCE instance) {
    const Glyph table[] = {
        {kBtnClose, IDB_BTNCLOSE, 2, nullptr}, {kBtnSave, IDB_BTNSAVE, 4, nullptr},
        {kBtnClear, IDB_BTNCLEAR, 2, nullptr}, {kBtnEdit, IDB_BTNEDIT, 4, nullptr},
        {kBtnFont, IDB_BTNFONT, 2, nullptr},   {kBtnSet, IDB_BTNSET, 4, nullptr},
        {kBtnVer, IDB_BTNVER, 2, nullptr},     {kBtnHelp, IDB_BTNHELP, 2, nullptr},
    };
    for (Glyph glyph : table) {
        // Each bitmap holds the normal and the disabled image side by side; olive is the transparent colour.
        BitmapOwner bitmap(static_cast<HBITMAP>(LoadImageA(instance, MAKEINTRESOURCEA(glyph.resourceId),
                                                           IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
        if (bitmap) {
            glyph.images = ImageList_Create(16, 16, ILC_COLOR24 | ILC_MASK, 2, 0);
            if (glyph.images) ImageList_AddMasked(glyph.images, bitmap.get(), RGB(128, 128, 0));
        }
        glyphs_.push_back(glyph);
    }
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
    DragAcceptFiles(Control(kMemo), TRUE);

    appDir_ = PathDirectory(ProgramPath());
    if (appDir_.empty() || appDir_.back() != '\\') appDir_ += '\\';

    ShowWindow(Control(kPBar1), SW_SHOW);
    ShowCaretPos();
    state_.FBusy = false;
}

void TForm1::Layout() {
    RECT client;
    GetClientRect(Handle(), &client);
    const int width = client.right;
    const int height = client.bottom;
    HWND status = Control(kStatus1);
    SendMessageA(status, WM_SIZE, 0, 0);
    RECT statusRect{};
    GetWindowRect(status, &statusRect);
    const int statusHeight = statusRect.bottom - statusRect.top;

    const int top = Checked(Control(kRdoShow)) ? kTopPanelHeightWithContents : kTopPanelHeight;
    const int left = Checked(Control(kChkGet)) ? kFilterPanelWidth : 0;
    const int middle = height - top - statusHeight > 0 ? height - top - statusHeight : 0;
    MoveWindow(Control(kPnlTop), 0, 0, width, top, TRUE);
    MoveWindow(Control(kPnlGet), 0, top, left, middle, TRUE);
    MoveWindow(Control(kMemo), left, top, width - left > 0 ? width - left : 0, middle, TRUE);
    // Hidden while they have no room, so that the keyboard cannot walk into them.
    ShowWindow(Control(kPnlGet), left > 0 ? SW_SHOWNA : SW_HIDE);
    ShowWindow(Control(kGroupBox1), top == kTopPanelHeightWithContents ? SW_SHOWNA : SW_HIDE);
}

int TForm1::ModeIndex() const {
    const int modes[] = {kRdoFull, kRdoName, kRdoShow, kRdoNET};
    for (int i = 0; i < 4; ++i) {
        if (Checked(Control(modes[i]))) return i;
    }
    return 4;
}

void TForm1::SelectMode(int index) {
    const int modes[] = {kRdoFull, kRdoName, kRdoShow, kRdoNET, kRdoShort};
    const int chosen = index >= 0 && index <= 4 ? modes[index] : kRdoFull;
    if (Checked(Control(chosen))) return;
    for (int id : modes)
        SetChecked(Control(id), id == chosen);
    SyncRadioTabStops();
    RdoFullClick();
}

void TForm1::SyncRadioTabStops() {
    // Tab enters a radio group at its checked button; the arrow keys move within the group.
    for (int id : {kRdoFull, kRdoName, kRdoShow, kRdoNET, kRdoShort, kRdoLineCnt, kRdoLineAll}) {
        HWND radio = Control(id);
        const LONG_PTR style = GetWindowLongPtrA(radio, GWL_STYLE);
        SetWindowLongPtrA(radio, GWL_STYLE, Checked(radio) ? style | WS_TABSTOP : style & ~WS_TABSTOP);
    }
}

void TForm1::FocusControl(HWND control) {
    if (!control) return;
    SetFocus(control);
    // As in a dialog, a filter cell entered by the keyboard has its text selected (the text area declines).
    if (SendMessageA(control, WM_GETDLGCODE, 0, 0) & DLGC_HASSETSEL) SendMessageA(control, EM_SETSEL, 0, -1);
}

int TForm1::MemoFontPoints() const {
    return PointsFromPixels(memoFont_.lfHeight);
}

void TForm1::SetMemoFont(const Text& name, int points) {
    memoFont_ = LOGFONTA{};
    memoFont_.lfHeight = PixelsFromPoints(std::clamp(points, kMemoFontPointsMin, kMemoFontPointsMax));
    memoFont_.lfWeight = FW_NORMAL;
    memoFont_.lfCharSet = SHIFTJIS_CHARSET;
    memoFont_.lfPitchAndFamily = FIXED_PITCH | FF_MODERN;
    // A name cut through a double-byte character would name no font, and Data.INI could not keep it.
    const Text faceName = CutAtCharacter(name, LF_FACESIZE - 1);
    memcpy(memoFont_.lfFaceName, faceName.c_str(), faceName.size() + 1);
    memoColor_ = CLR_INVALID;
    ApplyMemoFont();
}

void TForm1::PlaceAt(int left, int top) {
    // Far off every screen either way; bounded first, so that the right and bottom edges cannot overflow.
    RECT rect{};
    GetWindowRect(Handle(), &rect);
    OffsetRect(&rect, std::clamp(left, -kFarOff, kFarOff) - rect.left,
               std::clamp(top, -kFarOff, kFarOff) - rect.top);
    rect = OnSomeMonitor(rect);
    SetWindowPos(Handle(), nullptr, rect.left, rect.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void TForm1::ApplyMemoFont() {
    memoFontHandle_.reset(CreateFontIndirectA(&memoFont_));
    SendMessageA(Control(kMemo), WM_SETFONT, reinterpret_cast<WPARAM>(memoFontHandle_.get()), TRUE);
}

Text TForm1::MemoText() const {
    return WindowText(Control(kMemo));
}

OptionSnapshot TForm1::ReadOptions() {
    OptionSnapshot options;
    options.RdoFull = Checked(Control(kRdoFull));
    options.RdoName = Checked(Control(kRdoName));
    options.RdoShow = Checked(Control(kRdoShow));
    options.RdoNET = Checked(Control(kRdoNET));
    options.RdoShort = Checked(Control(kRdoShort));
    options.ChkFAll = Checked(Control(kChkFAll));
    options.ChkGet = Checked(Control(kChkGet));
    options.RdoLineCnt = Checked(Control(kRdoLineCnt));
    options.RdoLineAll = Checked(Control(kRdoLineAll));
    options.ChkNull = Checked(Control(kChkNull));
    for (int row = 0; row < 5; ++row)
        options.GridGet[static_cast<std::size_t>(row)] = WindowText(Control(kGridCell0 + row));
    return options;
}

void TForm1::AppendLine(const Text& line) {
    AppendLines({line});
}

void TForm1::AppendLines(const std::vector<Text>& lines) {
    if (lines.empty()) return;
    // A line goes behind a line break, or else gets one in front of it; either way the whole list goes in
    // with one replacement, so appending stays linear in what is added. The text ends in a break (or is
    // empty) exactly when its last line is empty, which the area tells without copying its text.
    HWND memo = Control(kMemo);
    const auto lastLine = SendMessageA(memo, EM_GETLINECOUNT, 0, 0) - 1;
    const auto lastLineStart = SendMessageA(memo, EM_LINEINDEX, static_cast<WPARAM>(lastLine), 0);
    bool endsInBreak = SendMessageA(memo, EM_LINELENGTH, static_cast<WPARAM>(lastLineStart), 0) == 0;
    std::size_t size = 0;
    for (const Text& line : lines)
        size += line.size() + 2;
    Text block;
    block.reserve(size);
    for (const Text& line : lines) {
        if (endsInBreak) {
            block += line;
            block += "\r\n";
        } else {
            block += "\r\n";
            block += line;
        }
    }
    SuspendRedraw();
    AppendBlock(block);
    ResumeRedraw();
}

void TForm1::AppendBlock(const Text& block) {
    HWND memo = Control(kMemo);
    // Into an empty area the whole text is set at once, which the control takes faster than an insertion.
    if (GetWindowTextLengthA(memo) == 0) {
        SetWindowTextA(memo, block.c_str());
    } else {
        SendMessageA(memo, EM_SETSEL, INT_MAX, INT_MAX);
        SendMessageA(memo, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(block.c_str()));
    }
    SendMessageA(memo, EM_SETSEL, INT_MAX, INT_MAX);
}

void TForm1::SuspendRedraw() {
    if (redrawSuspensions_++ == 0) SendMessageA(Control(kMemo), WM_SETREDRAW, FALSE, 0);
}

void TForm1::ResumeRedraw() {
    if (redrawSuspensions_ > 0 && --redrawSuspensions_ == 0) {
        HWND memo = Control(kMemo);
        SendMessageA(memo, WM_SETREDRAW, TRUE, 0);
        InvalidateRect(memo, nullptr, TRUE);
    }
}

std::vector<Text> TForm1::ReadAllLines() {
    const Text text = MemoText();
    std::vector<Text> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = text.find("\r\n", start);
        if (end == Text::npos) {
            lines.push_back(text.substr(start));
            break;
        }
        lines.push_back(text.substr(start, end - start));
        start = end + 2;
    }
    return lines;
}

void TForm1::ReplaceAllLines(const std::vector<Text>& lines) {
    std::size_t size = 0;
    for (const Text& line : lines)
        size += line.size() + 2;
    Text text;
    text.reserve(size);
    for (const Text& line : lines) {
        text += line;
        text += "\r\n";
    }
    SetWindowTextA(Control(kMemo), text.c_str());
}

void TForm1::CopyAllText() {
    SendMessageA(Control(kMemo), EM_SETSEL, 0, -1);
    clipboardFailed_ = !PutTextOnClipboard(Handle(), MemoText());
    if (clipboardFailed_) ShowInformation(Handle(), kClipboardBusyMessage);
}

void TForm1::PlaceCaretAtEnd() {
    HWND memo = Control(kMemo);
    DWORD start = 0;
    SendMessageA(memo, EM_GETSEL, reinterpret_cast<WPARAM>(&start), 0);
    SendMessageA(memo, EM_SETSEL, start, start);
    SetFocus(memo);
    SendMessageA(memo, EM_SETSEL, INT_MAX, INT_MAX);
    SendMessageA(memo, EM_SCROLLCARET, 0, 0);
}

void TForm1::SetStatusText(int panel, const Text& text) {
    // Panels 1 and 3 have no bevel; panel 2 is right-aligned.
    const WPARAM style = panel == 1 || panel == 3 ? SBT_NOBORDERS : 0;
    const Text shown = panel == 2 ? "\t\t" + text : text;
    SendMessageA(Control(kStatus1), SB_SETTEXTA, static_cast<WPARAM>(panel) | style,
                 reinterpret_cast<LPARAM>(shown.c_str()));
}

void TForm1::SetProgressMax(std::int32_t maximum) {
    SendMessageA(Control(kPBar1), PBM_SETRANGE32, 0, maximum);
}

void TForm1::SetProgressPosition(std::int32_t position) {
    SendMessageA(Control(kPBar1), PBM_SETPOS, static_cast<WPARAM>(position), 0);
}

void TForm1::EnableTopPanel(bool enabled) {
    HWND panel = Control(kPnlTop);
    EnableWindow(panel, enabled);
    for (HWND child = GetWindow(panel, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        EnableWindow(child, enabled);
        for (HWND inner = GetWindow(child, GW_CHILD); inner; inner = GetWindow(inner, GW_HWNDNEXT))
            EnableWindow(inner, enabled);
    }
}

void TForm1::ShowMessage(const Text& text) {
    ShowPlainMessage(Handle(), text);
}

void TForm1::ShowCaretPos() {
    HWND memo = Control(kMemo);
    // The full positions: their low 16 bits alone would give a wrong column once the text passes 64 KiB.
    DWORD start = 0;
    SendMessageA(memo, EM_GETSEL, reinterpret_cast<WPARAM>(&start), 0);
    const auto line =
        static_cast<std::int64_t>(SendMessageA(memo, EM_LINEFROMCHAR, static_cast<WPARAM>(-1), 0)) + 1;
    const auto lineStart =
        static_cast<std::int64_t>(SendMessageA(memo, EM_LINEINDEX, static_cast<WPARAM>(-1), 0));
    const std::int64_t column = ColumnInBytes(static_cast<std::int64_t>(start) - lineStart, line - 1) + 1;
    SetStatusText(0, FormatNumbers("%03d : %03d", {column, line}));
}

std::int64_t TForm1::ColumnInBytes(std::int64_t offset, std::int64_t lineIndex) const {
    // The column counts bytes. Some systems' text areas count positions in characters; the line's bytes
    // against its length in positions tell which, and a double-byte character then counts 2.
    if (offset <= 0) return offset;
    HWND memo = Control(kMemo);
    const auto lineStart = SendMessageA(memo, EM_LINEINDEX, static_cast<WPARAM>(lineIndex), 0);
    const auto positions =
        static_cast<std::int64_t>(SendMessageA(memo, EM_LINELENGTH, static_cast<WPARAM>(lineStart), 0));
    Text bytes;
    if (positions < 0xFFFF) {
        bytes.resize(static_cast<std::size_t>(positions) * 2 + 2);
        *reinterpret_cast<WORD*>(bytes.data()) =
            static_cast<WORD>(bytes.size() < 0xFFFF ? bytes.size() : 0xFFFF);
        const auto copied = SendMessageA(memo, EM_GETLINE, static_cast<WPARAM>(lineIndex),
                                         reinterpret_cast<LPARAM>(bytes.data()));
        bytes.resize(static_cast<std::size_t>(copied > 0 ? copied : 0));
    } else {
        // Too long for one line request: take it from the whole text.
        const Text text = MemoText();
        std::size_t at = 0;
        for (std::int64_t i = 0; i < lineIndex && at != Text::npos; ++i) {
            at = text.find("\r\n", at);
            if (at != Text::npos) at += 2;
        }
        if (at == Text::npos) return offset;
        bytes = text.substr(at, text.find("\r\n", at) - at);
    }
    if (static_cast<std::int64_t>(bytes.size()) <= positions) return offset;  // positions are bytes
    std::int64_t byteCount = 0;
    for (std::int64_t character = 0;
         character < offset && byteCount < static_cast<std::int64_t>(bytes.size()); ++character)
        byteCount +=
            IsKanjiLead(static_cast<unsigned char>(bytes[static_cast<std::size_t>(byteCount)])) ? 2 : 1;
    return byteCount;
}

void TForm1::RdoFullClick() {
    Layout();
}

void TForm1::ChkGetClick() {
    Layout();
}

void TForm1::BtnSaveClick() {
    // Room for the longest path the system can name (32767 characters of up to two bytes): a name longer
    // than the buffer would be refused as if the user had cancelled.
    Text file(65536, '\0');
    OPENFILENAMEA dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = Handle();
    dialog.lpstrFilter = "*.TXT(ﾃｷｽﾄﾌｧｲﾙ）\0*.TXT\0*.*(すべてのﾌｧｲﾙ）\0*.*\0";
    dialog.nFilterIndex = 1;
    dialog.lpstrFile = file.data();
    dialog.nMaxFile = static_cast<DWORD>(file.size());
    dialog.lpstrDefExt = "TXT";
    dialog.Flags =
        OFN_OVERWRITEPROMPT | OFN_HIDEREADONLY | OFN_ENABLESIZING | OFN_EXPLORER | OFN_PATHMUSTEXIST;
    if (!GetSaveFileNameA(&dialog)) {
        // Zero is the user's cancel; anything else is the dialog's own failure, which must not pass for one.
        if (const DWORD error = CommDlgExtendedError())
            throw AppError("保存するファイル名を受け取れません (" + std::to_string(error) + ")");
        return;
    }
    file.resize(file.find('\0'));
    SaveText(file, MemoText());
}

void TForm1::BtnClearClick() {
    SetWindowTextA(Control(kMemo), "");
    ShowCaretPos();
}

void TForm1::BtnFontClick() {
    LOGFONTA chosen = memoFont_;
    CHOOSEFONTA dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = Handle();
    dialog.lpLogFont = &chosen;
    dialog.Flags = CF_INITTOLOGFONTSTRUCT | CF_SCREENFONTS | CF_EFFECTS;
    dialog.rgbColors = memoColor_ == CLR_INVALID ? GetSysColor(COLOR_WINDOWTEXT) : memoColor_;
    if (!ChooseFontA(&dialog)) return;
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
        case WM_DRAWITEM:
            DrawSpeedButton(*reinterpret_cast<const DRAWITEMSTRUCT*>(lparam));
            return TRUE;
        case WM_CTLCOLOREDIT:
            if (reinterpret_cast<HWND>(lparam) == Control(kMemo) && memoColor_ != CLR_INVALID) {
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
                FocusControl(lastFocus_ && IsChild(Handle(), lastFocus_) ? lastFocus_ : Control(kMemo));
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
    PostMessageA(Handle(), WM_CLOSE, 0, 0);
}

void TForm1::OnCommand(int id, int code) {
    if (code != BN_CLICKED) return;
    auto run = [](const std::function<void()>& command) {
        if (command) command();
    };
    switch (id) {
        case kBtnClose:
            SendMessageA(Handle(), WM_CLOSE, 0, 0);
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

void TForm1::DrawSpeedButton(const DRAWITEMSTRUCT& item) {
    HDC dc = item.hDC;
    RECT rect = item.rcItem;
    FillRect(dc, &rect, GetSysColorBrush(COLOR_BTNFACE));
    const bool pressed = (item.itemState & ODS_SELECTED) != 0;
    const bool disabled = (item.itemState & ODS_DISABLED) != 0;
    if (pressed) DrawEdge(dc, &rect, BDR_SUNKENOUTER, BF_RECT);

    const Glyph* glyph = nullptr;
    for (const Glyph& g : glyphs_) {
        if (g.buttonId == static_cast<int>(item.CtlID)) glyph = &g;
    }
    char caption[64] = {};
    GetWindowTextA(item.hwndItem, caption, sizeof caption);
    HGDIOBJ oldFont = SelectObject(dc, windowFont_.get());
    RECT measure{0, 0, 0, 0};
    DrawTextA(dc, caption, -1, &measure, DT_CALCRECT | DT_SINGLELINE);
    const int textWidth = measure.right - measure.left;
    const int glyphWidth = glyph && glyph->images ? 16 + glyph->spacing : 0;
    // Glyph left of the caption, the pair centred; a pressed button shifts its content by one pixel.
    const int shift = pressed ? 1 : 0;
    int x = rect.left + (rect.right - rect.left - glyphWidth - textWidth) / 2 + shift;
    const int middle = (rect.top + rect.bottom) / 2 + shift;
    if (glyph && glyph->images) {
        ImageList_Draw(glyph->images, disabled ? 1 : 0, dc, x, middle - 8, ILD_TRANSPARENT);
        x += glyphWidth;
    }
    RECT textRect{x, rect.top + shift, x + textWidth, rect.bottom + shift};
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(disabled ? COLOR_GRAYTEXT : COLOR_BTNTEXT));
    DrawTextA(dc, caption, -1, &textRect, DT_SINGLELINE | DT_VCENTER | DT_LEFT);
    SelectObject(dc, oldFont);
}

LRESULT CALLBACK TForm1::MemoProcedure(HWND hwnd, UINT msg, WPARAM wparam, LPARAM lparam, UINT_PTR,
                                       DWORD_PTR self) {
    auto* form = reinterpret_cast<TForm1*>(self);
    // The text area's own handlers, inside the error report like every other handler.
    try {
        switch (msg) {
            case WM_KEYDOWN:
                if (wparam == VK_ESCAPE) {
                    // MemoKeyDown. The key stops here: the area's own answer to Esc under the dialog
                    // manager is a close request for the window.
                    form->state_.FAbort = true;
                    return 0;
                }
                if (wparam == VK_TAB) {
                    // Tab moves on and never goes into the text.
                    SendMessageA(form->Handle(), WM_NEXTDLGCTL, GetKeyState(VK_SHIFT) < 0, 0);
                    return 0;
                }
                break;
            case WM_CHAR:
                if (wparam == '\t' || wparam == VK_ESCAPE) return 0;
                break;
            case WM_GETDLGCODE:
                // Entered by Tab, the area keeps its caret: the dialog manager would select the whole text
                // for the next key to replace.
                return DefSubclassProc(hwnd, msg, wparam, lparam) & ~DLGC_HASSETSEL;
            case WM_KEYUP: {
                const LRESULT result = DefSubclassProc(hwnd, msg, wparam, lparam);
                form->ShowCaretPos();  // MemoKeyUp
                return result;
            }
            case WM_LBUTTONDOWN:
            case WM_LBUTTONDBLCLK:  // a double-click selects a word
            case WM_RBUTTONDOWN:
            case WM_MBUTTONDOWN: {
                const LRESULT result = DefSubclassProc(hwnd, msg, wparam, lparam);
                form->ShowCaretPos();  // MemoMouseDown: after the area has moved its caret
                return result;
            }
            case WM_NCDESTROY:
                RemoveWindowSubclass(hwnd, &TForm1::MemoProcedure, 1);
                break;
            default:
                break;
        }
    } catch (const AppError& error) {
        ShowErrorReport(form->Handle(), error.Message());
        return 0;
    } catch (const std::exception& error) {
        ShowErrorReport(form->Handle(), error.what());
        return 0;
    }
    return DefSubclassProc(hwnd, msg, wparam, lparam);
}

LRESULT CALLBACK TForm1::GridCellProcedure(HWND hwnd, UINT msg, WPARAM wparam, LPARAM lparam, UINT_PTR,
                                           DWORD_PTR self) {
    auto* form = reinterpret_cast<TForm1*>(self);
    switch (msg) {
        case WM_SETFOCUS:
            // The grid's one tab stop follows the cell last visited.
            for (int row = 0; row < 5; ++row) {
                HWND cell = form->Control(kGridCell0 + row);
                const LONG_PTR style = GetWindowLongPtrA(cell, GWL_STYLE);
                SetWindowLongPtrA(cell, GWL_STYLE, cell == hwnd ? style | WS_TABSTOP : style & ~WS_TABSTOP);
            }
            break;
        case WM_CHAR:
            if (wparam == '\t') return 0;  // the Tab that moved the focus away, never a filter byte
            break;
        case WM_KEYDOWN:
            if (wparam == VK_UP || wparam == VK_DOWN) {
                const int row = GetDlgCtrlID(hwnd) - kGridCell0 + (wparam == VK_UP ? -1 : 1);
                if (row >= 0 && row < 5) form->FocusControl(form->Control(kGridCell0 + row));
                return 0;
            }
            break;
        case WM_NCDESTROY:
            RemoveWindowSubclass(hwnd, &TForm1::GridCellProcedure, 1);
            break;
        default:
            break;
    }
    return DefSubclassProc(hwnd, msg, wparam, lparam);
}
