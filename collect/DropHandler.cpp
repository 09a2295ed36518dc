#include "collect/DropHandler.h"

#include <exception>

#include "collect/ExtFilter.h"
#include "collect/PathWalker.h"
#include "collect/Progress.h"
#include "text/NumberField.h"

void DropHandler::HandleDrop(DroppedNames& names, bool& handled) {
    if (state_.FBusy) {
        view_.ShowMessage(kBusyMessage);
        return;
    }
    state_.FBusy = true;
    state_.FPathList.Clear();
    state_.FAbort = false;
    state_.FTotalLines = 0;
    view_.EnableTopPanel(false);
    view_.SetStatusText(3, kAbortPrompt);

    // The top panel is disabled now, so these states hold for the whole drop; the filter cells are read here,
    // once.
    const OptionSnapshot options = view_.ReadOptions();
    if (options.ChkGet) state_.FExtFilter = FilterSlots(options.GridGet);

    std::exception_ptr escaped;
    try {
        Walk(names, options);
    } catch (...) {
        escaped = std::current_exception();
    }
    Finish(names, options, handled);
    if (escaped) std::rethrow_exception(escaped);
}

void DropHandler::Walk(DroppedNames& names, const OptionSnapshot& options) {
    const std::uint32_t count = names.Count();
    view_.SetProgressMax(ProgressUnits(static_cast<std::int64_t>(count) * kProgressBand));
    PathWalker walker(state_, options, view_, files_, network_, reader_);
    for (std::uint32_t i = 0; i < count; ++i) {
        if (state_.FAbort) break;
        const Text name = names.Name(i);
        state_.FDropIndex = static_cast<std::int32_t>(i);
        state_.FTick = 0;
        walker.CollectPath(name);
    }
}

void DropHandler::Finish(DroppedNames& names, const OptionSnapshot& options, bool& handled) {
    if (options.RdoShow) {
        view_.SetStatusText(2, Text());
    } else {
        view_.AppendLines(state_.FPathList.Entries());
        view_.CopyAllText();
    }
    view_.PlaceCaretAtEnd();
    state_.FPathList.Clear();
    view_.SetProgressPosition(0);
    view_.RefreshCaretIndicator();
    view_.EnableTopPanel(true);
    view_.SetStatusText(3, Text());
    if (options.RdoShow && options.RdoLineCnt) {
        view_.AppendLine(FormatNumbers("%10d%", {state_.FTotalLines}) + "行:Ｔｏｔａｌ");
    }
    state_.FBusy = false;
    names.Release();
    handled = true;
}
