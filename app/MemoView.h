// The main window's text area, status bar and its progress bar, top panel and option controls as the work
// running inside the window sees them (the view), and the text area's own key and mouse handling. A member of
// the main window, reaching its controls through it.
#pragma once

#include <windows.h>

#include <cstdint>
#include <optional>
#include <vector>

#include "platform/Encoding.h"
#include "platform/win32/MessageLoop.h"
#include "platform/win32/Window.h"
#include "shared/BusyState.h"
#include "shared/View.h"

class MemoView : public View {
public:
    // window: the main window whose controls these are; state: its drop state, whose abort flag Esc in the
    // text area sets.
    MemoView(Window& window, MessageLoop& loop, BusyState& state)
        : window_(window), loop_(loop), abortState_(state) {}
    MemoView(const MemoView&) = delete;
    MemoView& operator=(const MemoView&) = delete;

    // The text area's whole text.
    Text MemoText() const;

    // Whether the last CopyAllText left the clipboard unchanged (the user has been told).
    bool ClipboardCopyFailed() const { return clipboardFailed_; }

    // Writes the caret's column (in bytes of the line's Shift_JIS form) and line into status panel 0.
    void ShowCaretPos();

    OptionSnapshot ReadOptions() override;
    void AppendLine(const Text& line) override;
    void AppendLines(const std::vector<Text>& lines) override;
    void AppendLineBlock(const Text& block) override;
    void AppendText(const Text& text) override;
    void SuspendRedraw() override;
    void ResumeRedraw() override;
    std::vector<Text> ReadAllLines() override;
    void ReplaceAllLines(const std::vector<Text>& lines) override;
    Text ReadAllText() override;
    void ReplaceAllText(const Text& text) override;
    void CopyAllText() override;
    void PlaceCaretAtEnd() override;
    void SetStatusText(int panel, const Text& text) override;
    void SetProgressMax(std::int32_t maximum) override;
    void SetProgressPosition(std::int32_t position) override;
    void EnableTopPanel(bool enabled) override;
    void RefreshCaretIndicator() override { ShowCaretPos(); }
    void PumpMessages() override { loop_.Pump(); }
    void ShowMessage(const Text& text) override;

    // Once the controls exist: the text area takes text of any length and handles its own keys and clicks.
    void AttachTextArea();

    // A long text is going into the text area: the cursor waits over the window.
    bool Filling() const { return filling_; }

private:
    class LongFill;

    bool EndsInBreak() const;
    // Puts block behind the text, in parts when it is long, with messages processed between them; with
    // stopOnAbort a drop's abort that comes while it goes in ends it between two parts. Text made after the
    // abort (a list collected up to the Esc, a file's lines and their abort mark) goes in whole.
    void AppendBlock(const Text& block, bool stopOnAbort);
    // Puts text at the end of the text area, or raises AppError, leaving the text as it was, when the area
    // takes less.
    void InsertAtEnd(const WideText& text);
    // The column, as ShiftJisColumn counts it, of the caret units into line lineIndex.
    std::int64_t CaretColumn(std::int64_t units, std::int64_t lineIndex) const;
    static LRESULT CALLBACK MemoProcedure(HWND hwnd, UINT msg, WPARAM wparam, LPARAM lparam, UINT_PTR id,
                                          DWORD_PTR self);

    Window& window_;
    MessageLoop& loop_;
    BusyState& abortState_;
    int redrawSuspensions_ = 0;
    bool clipboardFailed_ = false;
    bool filling_ = false;
    // The options as read while the top panel is disabled: no option can change then, and a drop asks for
    // them once per file, which would cost some fifteen messages each time.
    bool topPanelLocked_ = false;
    std::optional<OptionSnapshot> lockedOptions_;
};
