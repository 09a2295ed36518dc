#include "app/MemoView.h"

#include <commctrl.h>

#include <algorithm>
#include <climits>

#include "app/AppTexts.h"
#include "app/MainLayout.h"
#include "platform/win32/Clipboard.h"
#include "platform/win32/WideText.h"
#include "text/AppError.h"
#include "text/NumberField.h"
#include "text/TextLines.h"

namespace {

// A text this long (in UTF-16 units, as the text area holds it) keeps the text area busy for a time the user
// notices (some 0.1 s a MiB): the status bar says so, the cursor waits, and it goes in in parts, each twice
// the one before up to kLongestPart, with messages processed between them. Not many parts: at each the area
// does some work for the whole text.
constexpr std::size_t kLongText = std::size_t{1} << 18;
constexpr std::size_t kLongestPart = std::size_t{1} << 22;
const Text kFillingText = "テキストを設定しています…";

// Where the part of about size units from from ends: behind the first CR LF that ends at or after that
// size, or at the text's end.
std::size_t PartEnd(const WideText& text, std::size_t from, std::size_t size) {
    if (text.size() - from <= size) return text.size();
    const std::size_t breakAt = text.find(u"\r\n", from + size - 1);
    return breakAt == WideText::npos ? text.size() : breakAt + 2;
}

const wchar_t* Units(const WideText& text) {
    return reinterpret_cast<const wchar_t*>(text.c_str());
}

}  // namespace

// Status panel 3 and the cursor while a long text goes into the text area; both are put back after.
class MemoView::LongFill {
public:
    LongFill(MemoView& view, std::size_t size) : view_(view), shown_(size >= kLongText && !view.filling_) {
        if (!shown_) return;
        HWND status = view.window_.Item(kStatus1);
        const auto length = LOWORD(SendMessageW(status, SB_GETTEXTLENGTHW, 3, 0));
        std::wstring previous(static_cast<std::size_t>(length) + 1, L'\0');
        SendMessageW(status, SB_GETTEXTW, 3, reinterpret_cast<LPARAM>(previous.data()));
        previous_ = FromWide(previous.data(), length);
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
    HWND memo = window_.Item(kMemo);
    SendMessageW(memo, EM_SETLIMITTEXT, 0, 0);  // 0: the largest limit the control has
    SetWindowSubclass(memo, &MemoView::MemoProcedure, 1, reinterpret_cast<DWORD_PTR>(this));
}

Text MemoView::MemoText() const {
    return window_.ItemText(kMemo);
}

OptionSnapshot MemoView::ReadOptions() {
    if (lockedOptions_) return *lockedOptions_;
    OptionSnapshot options;
    options.fullPath = window_.IsChecked(kRdoFull);
    options.nameOnly = window_.IsChecked(kRdoName);
    options.contents = window_.IsChecked(kRdoShow);
    options.networkPath = window_.IsChecked(kRdoNET);
    options.shortPath = window_.IsChecked(kRdoShort);
    options.recurse = window_.IsChecked(kChkFAll);
    options.filterOn = window_.IsChecked(kChkGet);
    options.countLines = window_.IsChecked(kRdoLineCnt);
    options.allLines = window_.IsChecked(kRdoLineAll);
    options.skipBlankLines = window_.IsChecked(kChkNull);
    for (int row = 0; row < kGridCellCount; ++row)
        options.filterCells[static_cast<std::size_t>(row)] = window_.ItemText(kGridCell0 + row);
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
    HWND memo = window_.Item(kMemo);
    const auto lastLine = SendMessageW(memo, EM_GETLINECOUNT, 0, 0) - 1;
    const auto lastLineStart = SendMessageW(memo, EM_LINEINDEX, static_cast<WPARAM>(lastLine), 0);
    return SendMessageW(memo, EM_LINELENGTH, static_cast<WPARAM>(lastLineStart), 0) == 0;
}

void MemoView::AppendBlock(const Text& block, bool stopOnAbort) {
    const bool stoppable = stopOnAbort && !abortState_.FAbort;
    // One conversion for the whole block; the parts are cut from its UTF-16 form.
    const WideText wide = TextToWide(block);
    RedrawSuspension suspension(*this);
    LongFill fill(*this, wide.size());
    WideText piece;
    std::size_t partSize = kLongText;
    for (std::size_t from = 0; from < wide.size(); partSize = std::min(2 * partSize, kLongestPart)) {
        const std::size_t to = PartEnd(wide, from, partSize);
        if (from == 0 && to == wide.size()) {
            InsertAtEnd(wide);
        } else {
            piece.assign(wide, from, to - from);
            InsertAtEnd(piece);
        }
        from = to;
        if (from < wide.size()) {
            loop_.Pump();
            // Esc during a drop: what went in stays, the rest is left out as the walk leaves the names not
            // yet reached.
            if (stoppable && abortState_.FAbort) break;
        }
    }
}

void MemoView::InsertAtEnd(const WideText& text) {
    HWND memo = window_.Item(kMemo);
    SendMessageW(memo, EM_SETSEL, INT_MAX, INT_MAX);
    DWORD end = 0;
    SendMessageW(memo, EM_GETSEL, reinterpret_cast<WPARAM>(&end), 0);
    // Lengths in UTF-16 units, which the control keeps.
    const auto before = static_cast<std::size_t>(SendMessageW(memo, WM_GETTEXTLENGTH, 0, 0));
    // Into an empty area the whole text is set at once, which the control takes faster than an insertion.
    if (before == 0) {
        SetWindowTextW(memo, Units(text));
    } else {
        SendMessageW(memo, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(Units(text)));
    }
    const auto after = static_cast<std::size_t>(SendMessageW(memo, WM_GETTEXTLENGTH, 0, 0));
    if (after < before + text.size()) {
        // The control cut the text at its limit or took none for want of memory: what it took of it goes
        // again, by the position where it began.
        SendMessageW(memo, EM_SETSEL, end, -1);
        SendMessageW(memo, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(L""));
        throw AppError(kTextAreaFullMessage);
    }
    SendMessageW(memo, EM_SETSEL, INT_MAX, INT_MAX);
}

void MemoView::SuspendRedraw() {
    if (redrawSuspensions_++ == 0) SendMessageW(window_.Item(kMemo), WM_SETREDRAW, FALSE, 0);
}

void MemoView::ResumeRedraw() {
    if (redrawSuspensions_ > 0 && --redrawSuspensions_ == 0) {
        HWND memo = window_.Item(kMemo);
        SendMessageW(memo, WM_SETREDRAW, TRUE, 0);
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
    HWND memo = window_.Item(kMemo);
    SetWindowTextW(memo, L"");
    // An Esc meant for a drop does not cut short the text that replaces the whole text.
    AppendBlock(text, false);
    SendMessageW(memo, EM_SETSEL, 0, 0);
    SendMessageW(memo, EM_SCROLLCARET, 0, 0);
}

void MemoView::CopyAllText() {
    SendMessageW(window_.Item(kMemo), EM_SETSEL, 0, -1);
    clipboardFailed_ = !PutWindowTextOnClipboard(window_.Handle(), window_.Item(kMemo));
    if (clipboardFailed_) ShowInformation(window_.Handle(), kClipboardBusyMessage);
}

void MemoView::PlaceCaretAtEnd() {
    HWND memo = window_.Item(kMemo);
    DWORD start = 0;
    SendMessageW(memo, EM_GETSEL, reinterpret_cast<WPARAM>(&start), 0);
    SendMessageW(memo, EM_SETSEL, start, start);
    SetFocus(memo);
    SendMessageW(memo, EM_SETSEL, INT_MAX, INT_MAX);
    SendMessageW(memo, EM_SCROLLCARET, 0, 0);
}

void MemoView::SetStatusText(int panel, const Text& text) {
    // Panels 1 and 3 have no bevel; panel 2 is right-aligned.
    const WPARAM style = panel == 1 || panel == 3 ? SBT_NOBORDERS : 0;
    const Text shown = panel == 2 ? "\t\t" + text : text;
    SendMessageW(window_.Item(kStatus1), SB_SETTEXTW, static_cast<WPARAM>(panel) | style,
                 reinterpret_cast<LPARAM>(Wide(shown).c_str()));
}

void MemoView::SetProgressMax(std::int32_t maximum) {
    SendMessageW(window_.Item(kPBar1), PBM_SETRANGE32, 0, maximum);
}

void MemoView::SetProgressPosition(std::int32_t position) {
    HWND bar = window_.Item(kPBar1);
    // A drop sets the position after every file, mostly to where it stands; setting it costs the bar some
    // tens of microseconds under Wine even then, asking for it next to nothing.
    if (SendMessageW(bar, PBM_GETPOS, 0, 0) == position) return;
    SendMessageW(bar, PBM_SETPOS, static_cast<WPARAM>(position), 0);
}

void MemoView::EnableTopPanel(bool enabled) {
    topPanelLocked_ = !enabled;
    lockedOptions_.reset();
    HWND panel = window_.Item(kPnlTop);
    EnableWindow(panel, enabled);
    for (HWND child = GetWindow(panel, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        EnableWindow(child, enabled);
        for (HWND inner = GetWindow(child, GW_CHILD); inner; inner = GetWindow(inner, GW_HWNDNEXT))
            EnableWindow(inner, enabled);
    }
}

void MemoView::ShowMessage(const Text& text) {
    ShowPlainMessage(window_.Handle(), text);
}

void MemoView::ShowCaretPos() {
    HWND memo = window_.Item(kMemo);
    // The full positions: their low 16 bits alone would give a wrong column once the text passes 64 KiB.
    DWORD start = 0;
    SendMessageW(memo, EM_GETSEL, reinterpret_cast<WPARAM>(&start), 0);
    const auto line =
        static_cast<std::int64_t>(SendMessageW(memo, EM_LINEFROMCHAR, static_cast<WPARAM>(-1), 0)) + 1;
    const auto lineStart =
        static_cast<std::int64_t>(SendMessageW(memo, EM_LINEINDEX, static_cast<WPARAM>(-1), 0));
    const std::int64_t column = CaretColumn(static_cast<std::int64_t>(start) - lineStart, line - 1) + 1;
    SetStatusText(0, FormatNumbers("%03d : %03d", {column, line}));
}

std::int64_t MemoView::CaretColumn(std::int64_t units, std::int64_t lineIndex) const {
    if (units <= 0) return units;
    // Only the line's first units are needed; a line request copies at most 0xFFFF of them.
    Text start;
    if (units < 0xFFFF) {
        std::wstring line(static_cast<std::size_t>(units) + 1, L'\0');
        *reinterpret_cast<WORD*>(line.data()) = static_cast<WORD>(units);
        const auto copied = SendMessageW(window_.Item(kMemo), EM_GETLINE, static_cast<WPARAM>(lineIndex),
                                         reinterpret_cast<LPARAM>(line.data()));
        start = FromWide(line.data(), static_cast<std::size_t>(copied > 0 ? copied : 0));
    } else {
        const std::optional<Text> line = LineAt(MemoText(), lineIndex);
        if (!line) return units;
        start = *line;
    }
    return ShiftJisColumn(start, units);
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
                    SendMessageW(view->window_.Handle(), WM_NEXTDLGCTL, GetKeyState(VK_SHIFT) < 0, 0);
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
        ReportEscapedError(view->window_.Handle(), error);
        return 0;
    }
    return DefSubclassProc(hwnd, msg, wparam, lparam);
}
