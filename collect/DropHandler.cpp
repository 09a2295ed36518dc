#include "collect/DropHandler.h"

#include <optional>

#include "collect/ExtFilter.h"
#include "collect/PathWalker.h"
#include "collect/Progress.h"
#include "shared/OutputFormat.h"
#include "text/NumberField.h"

void DropHandler::HandleDrop(DroppedNames& names, bool& handled) {
    if (state_.FBusy) {
        view_.ShowMessage(kBusyMessage);
        return;
    }
    // The settings window stays usable during the drop; what it applies then counts from the next drop. Taken
    // before anything is set, so that a failing copy leaves nothing busy.
    const OutputOptions output = output_;
    state_.FBusy = true;
    state_.FPathList.Clear();
    state_.FPathList.SetOrder(output.order);
    state_.FAbort = false;
    state_.FTotalLines = 0;
    state_.FReadOnlineFiles = output.readOnlineFiles;
    state_.FContentsEncoding = output.contentsEncoding;
    state_.FContentsHeadings = output.contentsHeadings;
    state_.FUnlistedFolders = PassedOver();
    // Only names listed for this drop are reported after it.
    files_.TakeSubstitutions();

    // From here on whatever fails, even running out of memory, the finishing steps run before the error goes
    // on; the output steps need the options, so they are left out only when even those could not be read.
    FirstError error;
    std::optional<OptionSnapshot> options;
    error.Catch([&] {
        view_.EnableTopPanel(false);
        view_.SetStatusText(3, kAbortPrompt);
        // The top panel is disabled now, so these states hold for the whole drop; the filter cells are read
        // here, once.
        options = view_.ReadOptions();
        if (options->filterOn) state_.FExtFilter = FilterSlots(options->filterCells);
        Walk(names, *options, output);
    });
    Finish(names, options ? &*options : nullptr, output, error, handled);
    // Once per drop, after its output and before its error: which file had lines cut, what was passed over.
    error.Catch([&] {
        const Text notice = JoinParagraphs(
            {reader_.TakeDropNotice(),
             state_.FUnlistedFolders.TakeParagraph(
                 "フォルダー",
                 "開けないか最後まで一覧にできなかったため、その中の項目がこの一覧にありません。")});
        if (!notice.empty()) view_.ShowMessage(notice);
    });
    // Once per drop, after its output: with the code page names option, the names the code page cannot hold,
    // and what the lines give for them.
    error.Catch([&] {
        const Text notice = SubstitutionNotice(files_.TakeSubstitutions());
        if (!notice.empty()) view_.ShowMessage(notice);
    });
    error.Rethrow();
}

void DropHandler::Walk(DroppedNames& names, const OptionSnapshot& options, const OutputOptions& output) {
    const std::uint32_t count = names.Count();
    view_.SetProgressMax(ProgressUnits(static_cast<std::int64_t>(count) * kProgressBand));
    PathWalker walker(state_, options, view_, files_, network_, reader_, output);
    for (std::uint32_t i = 0; i < count; ++i) {
        if (state_.FAbort) break;
        const Text name = names.Name(i);
        state_.FDropIndex = static_cast<std::int32_t>(i);
        state_.FTick = 0;
        walker.CollectPath(name);
    }
}

void DropHandler::Finish(DroppedNames& names, const OptionSnapshot* options, const OutputOptions& output,
                         FirstError& error, bool& handled) {
    const bool contents = options && options->contents;
    if (contents) error.Catch([&] { reader_.WriteHeldLines(); });
    if (options) {
        error.Catch([&] {
            if (contents) {
                view_.SetStatusText(2, Text());
            } else {
                // Copied only once appended: the clipboard gets nothing but text that was collected. The list
                // is let go first, and its lines go in as one text: the text area and the copy hold the whole
                // text several times over.
                Text text = state_.FPathList.Joined(SeparatorText(output), output.lastLineEnd ? "\r\n" : "");
                // A CSV list names its columns first, so that a spreadsheet takes it whole.
                if (output.csv && !text.empty()) text.insert(0, CsvHeader(output) + "\r\n");
                state_.FPathList.Clear();
                if (JoinsWithCrLf(output)) {
                    view_.AppendLineBlock(text);
                } else {
                    view_.AppendText(text);
                }
                view_.CopyAllText();
            }
        });
    }
    error.Catch([&] { view_.PlaceCaretAtEnd(); });
    state_.FPathList.Clear();
    error.Catch([&] { view_.SetProgressPosition(0); });
    error.Catch([&] { view_.RefreshCaretIndicator(); });
    error.Catch([&] { view_.EnableTopPanel(true); });
    error.Catch([&] { view_.SetStatusText(3, Text()); });
    if (contents && options->countLines) {
        error.Catch(
            [&] { view_.AppendLine(FormatNumbers("%10d%", {state_.FTotalLines}) + "行:Ｔｏｔａｌ"); });
    }
    state_.FBusy = false;
    error.Catch([&] { names.Release(); });
    handled = true;
}
