#include "collect/PathWalker.h"

#include <algorithm>

#include "collect/ExtFilter.h"
#include "collect/NetworkForm.h"
#include "collect/Progress.h"
#include "text/PathPieces.h"

void PathWalker::CollectPath(const Text& path) {
    Text walked = path;
    // Without recursion the attributes decide nothing, so they are not asked for.
    Walk(walked, options_.ChkFAll ? files_.Attributes(path) : 0);
}

void PathWalker::Walk(Text& path, std::uint32_t attributes) {
    // Unreadable attributes have every bit set, so the listing is attempted and simply finds nothing.
    if (options_.ChkFAll && (attributes & FileAttr::Directory) != 0) Descend(path);
    if (options_.ChkGet && !PassesFilter(path, state_.FExtFilter)) return;
    Output(path);
}

void PathWalker::Descend(Text& path) {
    const auto listing = files_.List(path + "\\*", kListingMask);
    if (!listing) return;
    const std::size_t length = path.size();
    FolderEntry entry;
    while (listing->Next(entry)) {
        if (state_.FAbort) break;
        if (entry.name == "." || entry.name == "..") continue;
        state_.FTick = std::min(state_.FTick + 1, kTickCap);
        if (state_.FTick % kTickStep == 0) ShowProgress();
        path += '\\';
        path += entry.name;
        Walk(path, entry.attributes);
        path.resize(length);
    }
}

void PathWalker::Output(const Text& path) {
    if (options_.RdoFull) {
        state_.FPathList.Add(path);
    } else if (options_.RdoName) {
        state_.FPathList.Add(PathFileName(path));
    } else if (options_.RdoShow) {
        reader_.AddFileContents(path);
        ShowProgress();
    } else if (options_.RdoNET) {
        state_.FPathList.Add(NetworkForm(path, files_, network_));
    } else {
        state_.FPathList.Add(files_.ShortPath(path));
    }
}

void PathWalker::ShowProgress() {
    view_.SetProgressPosition(
        ProgressUnits(static_cast<std::int64_t>(state_.FDropIndex) * kProgressBand + state_.FTick));
    view_.PumpMessages();
}
