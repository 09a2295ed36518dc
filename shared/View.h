// What the main window offers the work that runs inside it: its text area, status bar, progress bar, top
// panel, message pump and the option controls' states.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "text/Text.h"
#include "text/TextLines.h"

// Why an append stopped: the text area took less than it was given.
inline const Text kTextAreaFullMessage =
    "テキスト欄がこれ以上の文字を受け付けません (上限に達したか、メモリが足りません)。ここで中止しました。"
    "クリップボードにはコピーしていません";

// The option controls' states, read in one go. Exactly one of the five mode buttons is set, and one of the
// two contents-output buttons.
struct OptionSnapshot {
    // The output mode (RdoFull, RdoName, RdoShow, RdoNET, RdoShort).
    bool fullPath = true;
    bool nameOnly = false;
    bool contents = false;  // the files' contents
    bool networkPath = false;
    bool shortPath = false;
    bool recurse = false;             // ChkFAll: into folders
    bool filterOn = false;            // ChkGet: the extension filter
    bool countLines = true;           // RdoLineCnt, in contents mode: one count line per file
    bool allLines = false;            // RdoLineAll, in contents mode: every line
    bool skipBlankLines = false;      // ChkNull, in contents mode
    std::array<Text, 5> filterCells;  // GridGet: the filter cells, rows 0 to 4, as typed
};

class View {
public:
    virtual ~View() = default;

    // The option controls' states as they stand now, the five filter cells included.
    virtual OptionSnapshot ReadOptions() = 0;

    // Every append below raises AppError (kTextAreaFullMessage) when the text area takes less than it was
    // given (its limit reached, no memory left), leaving the text as it was before that append.

    // Appends one line to the text area: the line then CR LF when the text is empty or ends in a line break,
    // else CR LF then the line. The caret ends behind the inserted text.
    virtual void AppendLine(const Text& line) = 0;

    // Appends lines in their order, as AppendLine would one by one, with redrawing suspended meanwhile.
    virtual void AppendLines(const std::vector<Text>& lines) = 0;

    // Appends the lines of block, each of which it holds followed by CR LF, as AppendLines would append them.
    virtual void AppendLineBlock(const Text& block) { AppendLines(SplitAtCrLf(block)); }

    // Appends text as it stands, line breaks or none: CR LF first when the text area holds text that does not
    // end in a line break. Nothing for an empty text. The caret ends behind the inserted text.
    virtual void AppendText(const Text& text) = 0;

    // Suspends and resumes redrawing of the text area around a long series of appends. Calls pair up.
    virtual void SuspendRedraw() = 0;
    virtual void ResumeRedraw() = 0;

    // The text area's lines, whole (no length limit): the text split at each CR LF; when the text ends in
    // CR LF (or is empty) there is no empty last line. A lone CR or LF is an ordinary byte of its line.
    virtual std::vector<Text> ReadAllLines() = 0;

    // Replaces the whole text by the lines, each followed by CR LF; the caret goes to the start.
    virtual void ReplaceAllLines(const std::vector<Text>& lines) = 0;

    // The whole text, byte for byte; a view that keeps lines gives each followed by CR LF.
    virtual Text ReadAllText() { return JoinWithCrLf(ReadAllLines()); }

    // Replaces the whole text by text, which holds lines each followed by CR LF (as ReplaceAllLines would
    // write them); the caret goes to the start.
    virtual void ReplaceAllText(const Text& text) { ReplaceAllLines(SplitAtCrLf(text)); }

    // Selects the whole text and copies it to the clipboard as plain text.
    virtual void CopyAllText() = 0;

    // In this order: selection length 0, keyboard focus to the text area, selection start at the text's
    // end, caret scrolled into view.
    virtual void PlaceCaretAtEnd() = 0;

    // Status panels 0 to 3.
    virtual void SetStatusText(int panel, const Text& text) = 0;

    // The progress bar takes a 32-bit range.
    virtual void SetProgressMax(std::int32_t maximum) = 0;
    virtual void SetProgressPosition(std::int32_t position) = 0;

    // Enables or disables every control of the top panel at once.
    virtual void EnableTopPanel(bool enabled) = 0;

    // Rewrites the caret indicator in status panel 0 from the text area's caret.
    virtual void RefreshCaretIndicator() = 0;

    // Processes every pending message of the thread, then returns. Handlers run meanwhile (an Esc that sets
    // the abort flag, a second drop that is refused).
    virtual void PumpMessages() = 0;

    // A modal message box centred on the screen: the application title, no icon, the text, one OK button.
    virtual void ShowMessage(const Text& text) = 0;
};

// Pairs the text area's redraw suspension with its resumption, whichever way the appending ends.
class RedrawSuspension {
public:
    explicit RedrawSuspension(View& view) : view_(view) { view_.SuspendRedraw(); }
    RedrawSuspension(const RedrawSuspension&) = delete;
    RedrawSuspension& operator=(const RedrawSuspension&) = delete;
    ~RedrawSuspension() { view_.ResumeRedraw(); }

private:
    View& view_;
};
