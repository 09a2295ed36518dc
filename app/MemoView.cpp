#include "app/MemoView.h"

#include <commctrl.h>

#include <algorithm>
#include <climits>

#include "app/MainLayout.h"
#include "platform/win32/Clipboard.h"
#include "text/AppError.h"
#include "text/NumberField.h"
#include "text/TextLines.h"

namespace {

// A text this long keeps the text area busy for a time the user notices (some 0.1 s a MiB): the status bar
// says so, the cursor waits, and it goes in in parts, each twice the one before up to kLongestPart, with
// messages processed between them. Not many parts: at each the area does some work for the whole text.
constexpr std::size_t kLongText = std::size_t{1} << 18;
constexpr std::size_t kLongestPart = std::size_t{1} << 22;
const Text kFillingText = "テキストを設定しています…";

// Where the part of about size bytes from from ends: behind the first CR LF that ends at or after that
// size, or at the text's end.
std::size_t PartEnd(const Text& text, std::size_t from, std::size_t size) {
    if (text.size() - from <= size) return text.size();
    const std::size_t breakAt = text.find("\r\n", from + size - 1);
    return breakAt == Text::npos ? text.size() : breakAt + 2;
}

}  // namespace

// Status panel 3 and the cursor while a long text goes into the text area; both are put back after.
class MemoView::LongFill {
public:
    LongFill(MemoView& view, std::size_t size) : view_(view), shown_(size >= kLongText && !view.filling_) {
        if (!shown_) return;
        HWND status = view.Item(kStatus1);
        const auto length = LOWORD(SendMessageA(status, SB_GETTEXTLENGTHA, 3, 0));
        Text previous(static_cast<std::size_t>(length) + 1, '\0');
        SendMessageA(status, SB_GETTEXTA, 3, reinterpret_cast<LPARAM>(previous.data()));
        previous.resize(length);
        previous_ = std::move(previous);
        view.SetStatusText(3, kFillingText);
        // Painted now: the text area's call that follows answers no message until it returns.
        UpdateWindow(status);
        view.filling_ = true;
        cursor_ = SetCursor(LoadCursor(nullptr, IDC_WAIT));
    }
    LongFill(const LongFill&) = delete;
    LongFill& operator=(const LongFill&) = delete;
    ~LongFill() {
        if (!shown_) return;
        view_.filling_ = false;
        SetCursor(cursor_);
        view_.SetStatusText(3, previous_);
    }

private:
    MemoView& view_;
    const bool shown_;
    Text previous_;
    HCURSOR cursor_ = nullptr;
};

void MemoView::AttachTextArea() {
    HWND memo = Item(kMemo);
    SendMessageA(memo, EM_SETLIMITTEXT, 0, 0);  // 0: the largest limit the control has
    SetWindowSubclass(memo, &MemoView::MemoProcedure, 1, reinterpret_cast<DWORD_PTR>(this));
}

Text MemoView::MemoText() const {
    return ItemText(kMemo);
}

OptionSnapshot MemoView::ReadOptions() {
    if (lockedOptions_) return *lockedOptions_;
    OptionSnapshot options;
    options.RdoFull = IsChecked(kRdoFull);
    options.RdoName = IsChecked(kRdoName);
    options.RdoShow = IsChecked(kRdoShow);
    options.RdoNET = IsChecked(kRdoNET);
    options.RdoShort = IsChecked(kRdoShort);
    options.ChkFAll = IsChecked(kChkFAll);
    options.ChkGet = IsChecked(kChkGet);
    options.RdoLineCnt = IsChecked(kRdoLineCnt);
    options.RdoLineAll = IsChecked(kRdoLineAll);
    options.ChkNull = IsChecked(kChkNull);
    for (int row = 0; row < kGridCellCount; ++row)
        options.GridGet[static_cast<std::size_t>(row)] = ItemText(kGridCell0 + row);
    if (topPanelLocked_) lockedOptions_ = options;
    return options;
}

void MemoView::AppendLine(const Text& line) {
    AppendLines({line});
}

void MemoView::AppendLines(const std::vector<Text>& lines) {
    if (lines.empty()) return;
    // The whole list goes in with one replacement, so appending stays linear in what is added.
    // The contents reader's lines: cut short, a file's lines would stand without their abort mark.
    AppendBlock(AppendedBlock(lines, EndsInBreak()), false);
}

void MemoView::AppendLineBlock(const Text& block) {
    if (block.empty()) return;
    // Behind text that does not end in a break, each line goes behind one of its own, the last without one.
    AppendBlock(EndsInBreak() ? block : "\r\n" + block.substr(0, block.size() - 2), true);
}

void MemoView::AppendText(const Text& text) {
    if (text.empty()) return;
    AppendBlock(EndsInBreak() ? text : "\r\n" + text, true);
}

bool MemoView::EndsInBreak() const {
    // The text ends in a break (or is empty) exactly when its last line is empty, which the area tells
    // without copying its text.
    HWND memo = Item(kMemo);
    const auto lastLine = SendMessageA(memo, EM_GETLINECOUNT, 0, 0) - 1;
    const auto lastLineStart = SendMessageA(memo, EM_LINEINDEX, static_cast<WPARAM>(lastLine), 0);
    return SendMessageA(memo, EM_LINELENGTH, static_cast<WPARAM>(lastLineStart), 0) == 0;
}

void MemoView::AppendBlock(const Text& block, bool stopOnAbort) {
    const bool stoppable = stopOnAbort && !abortState_.FAbort;
    RedrawSuspension suspension(*this);
    LongFill fill(*this, block.size());
    Text piece;
    std::size_t partSize = kLongText;
    for (std::size_t from = 0; from < block.size(); partSize = std::min(2 * partSize, kLongestPart)) {
        const std::size_t to = PartEnd(block, from, partSize);
        if (from == 0 && to == block.size()) {
            InsertAtEnd(block);
        } else {
            piece.assign(block, from, to - from);
            InsertAtEnd(piece);
        }
        from = to;
        if (from < block.size()) {
            loop_.Pump();
            // Esc during a drop: what went in stays, the rest is left out as the walk leaves the names not
            // yet reached.
            if (stoppable && abortState_.FAbort) break;
        }
    }
}

void MemoView::InsertAtEnd(const Text& text) {
    HWND memo = Item(kMemo);
    SendMessageA(memo, EM_SETSEL, INT_MAX, INT_MAX);
    DWORD end = 0;
    SendMessageA(memo, EM_GETSEL, reinterpret_cast<WPARAM>(&end), 0);
    // Lengths in bytes, which the control keeps (counting them costs nothing on Windows).
    const auto before = static_cast<std::size_t>(SendMessageA(memo, WM_GETTEXTLENGTH, 0, 0));
    // Into an empty area the whole text is set at once, which the control takes faster than an insertion.
    if (before == 0) {
        SetWindowTextA(memo, text.c_str());
    } else {
        SendMessageA(memo, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(text.c_str()));
    }
    const auto after = static_cast<std::size_t>(SendMessageA(memo, WM_GETTEXTLENGTH, 0, 0));
    if (after < before + text.size()) {
        // The control cut the text at its limit or took none for want of memory: what it took of it goes
        // again, by the position where it began (positions are characters on some systems, not bytes).
        SendMessageA(memo, EM_SETSEL, end, -1);
        SendMessageA(memo, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(""));
        throw AppError(kTextAreaFullMessage);
    }
    SendMessageA(memo, EM_SETSEL, INT_MAX, INT_MAX);
}

void MemoView::SuspendRedraw() {
    if (redrawSuspensions_++ == 0) SendMessageA(Item(kMemo), WM_SETREDRAW, FALSE, 0);
}

void MemoView::ResumeRedraw() {
    if (redrawSuspensions_ > 0 && --redrawSuspensions_ == 0) {
        HWND memo = Item(kMemo);
        SendMessageA(memo, WM_SETREDRAW, TRUE, 0);
        InvalidateRect(memo, nullptr, TRUE);
    }
}

std::vector<Text> MemoView::ReadAllLines() {
    return SplitAtCrLf(ReadAllText());
}

void MemoView::ReplaceAllLines(const std::vector<Text>& lines) {
    ReplaceAllText(JoinWithCrLf(lines));
}

Text MemoView::ReadAllText() {
    return MemoText();
}

void MemoView::ReplaceAllText(const Text& text) {
    HWND memo = Item(kMemo);
    SetWindowTextA(memo, "");
    // An Esc meant for a drop does not cut short the text that replaces the whole text.
    AppendBlock(text, false);
    SendMessageA(memo, EM_SETSEL, 0, 0);
    SendMessageA(memo, EM_SCROLLCARET, 0, 0);
}

void MemoView::CopyAllText() {
    SendMessageA(Item(kMemo), EM_SETSEL, 0, -1);
    clipboardFailed_ = !PutWindowTextOnClipboard(Handle(), Item(kMemo));
    if (clipboardFailed_) ShowInformation(Handle(), kClipboardBusyMessage);
}

void MemoView::PlaceCaretAtEnd() {
    HWND memo = Item(kMemo);
    DWORD start = 0;
    SendMessageA(memo, EM_GETSEL, reinterpret_cast<WPARAM>(&start), 0);
    SendMessageA(memo, EM_SETSEL, start, start);
    SetFocus(memo);
    SendMessageA(memo, EM_SETSEL, INT_MAX, INT_MAX);
    SendMessageA(memo, EM_SCROLLCARET, 0, 0);
}

void MemoView::SetStatusText(int panel, const Text& text) {
    // Panels 1 and 3 have no bevel; panel 2 is right-aligned.
    const WPARAM style = panel == 1 || panel == 3 ? SBT_NOBORDERS : 0;
    const Text shown = panel == 2 ? "\t\t" + text : text;
    SendMessageA(Item(kStatus1), SB_SETTEXTA, static_cast<WPARAM>(panel) | style,
                 reinterpret_cast<LPARAM>(shown.c_str()));
}

void MemoView::SetProgressMax(std::int32_t maximum) {
    SendMessageA(Item(kPBar1), PBM_SETRANGE32, 0, maximum);
}

void MemoView::SetProgressPosition(std::int32_t position) {
    HWND bar = Item(kPBar1);
    // A drop sets the position after every file, mostly to where it stands; setting it costs the bar some
    // tens of microseconds under Wine even then, asking for it next to nothing.
    if (SendMessageA(bar, PBM_GETPOS, 0, 0) == position) return;
    SendMessageA(bar, PBM_SETPOS, static_cast<WPARAM>(position), 0);
}

void MemoView::EnableTopPanel(bool enabled) {
    topPanelLocked_ = !enabled;
    lockedOptions_.reset();
    HWND panel = Item(kPnlTop);
    EnableWindow(panel, enabled);
    for (HWND child = GetWindow(panel, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        EnableWindow(child, enabled);
        for (HWND inner = GetWindow(child, GW_CHILD); inner; inner = GetWindow(inner, GW_HWNDNEXT))
            EnableWindow(inner, enabled);
    }
}

void MemoView::ShowMessage(const Text& text) {
    ShowPlainMessage(Handle(), text);
}

void MemoView::ShowCaretPos() {
    HWND memo = Item(kMemo);
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

std::int64_t MemoView::ColumnInBytes(std::int64_t offset, std::int64_t lineIndex) const {
    // The column counts bytes; some systems' text areas count positions in characters.
    if (offset <= 0) return offset;
    HWND memo = Item(kMemo);
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
        const std::optional<Text> line = LineAt(MemoText(), lineIndex);
        if (!line) return offset;
        bytes = *line;
    }
    return ShiftJisColumn(bytes, offset);
}

LRESULT CALLBACK MemoView::MemoProcedure(HWND hwnd, UINT msg, WPARAM wparam, LPARAM lparam, UINT_PTR,
                                         DWORD_PTR self) {
    auto* view = reinterpret_cast<MemoView*>(self);
    // The text area's own handlers, inside the error report like every other handler.
    try {
        switch (msg) {
            case WM_KEYDOWN:
                if (wparam == VK_ESCAPE) {
                    // MemoKeyDown. The key stops here: the area's own answer to Esc under the dialog
                    // manager is a close request for the window.
                    view->abortState_.FAbort = true;
                    return 0;
                }
                if (wparam == VK_TAB) {
                    // Tab moves on and never goes into the text.
                    SendMessageA(view->Handle(), WM_NEXTDLGCTL, GetKeyState(VK_SHIFT) < 0, 0);
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
                view->ShowCaretPos();  // MemoKeyUp
                return result;
            }
            case WM_LBUTTONDOWN:
            case WM_LBUTTONDBLCLK:  // a double-click selects a word
            case WM_RBUTTONDOWN:
            case WM_MBUTTONDOWN: {
                const LRESULT result = DefSubclassProc(hwnd, msg, wparam, lparam);
                view->ShowCaretPos();  // MemoMouseDown: after the area has moved its caret
                return result;
            }
            case WM_NCDESTROY:
                RemoveWindowSubclass(hwnd, &MemoView::MemoProcedure, 1);
                break;
            default:
                break;
        }
    } catch (const std::exception& error) {
        ReportEscapedError(view->Handle(), error);
        return 0;
    }
    return DefSubclassProc(hwnd, msg, wparam, lparam);
}
