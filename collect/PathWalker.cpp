#include "collect/PathWalker.h"

#include <algorithm>

#include "collect/ExtFilter.h"
#include "collect/NetworkForm.h"
#include "collect/Progress.h"
#include "text/PathPieces.h"

namespace {

// The failure value of an attribute query has every bit set; it names no link.
bool IsFolderLink(std::uint32_t attributes) {
    constexpr std::uint32_t link = FileAttr::Directory | FileAttr::ReparsePoint;
    return attributes != FileAttr::Invalid && (attributes & link) == link;
}

}  // namespace

void PathWalker::CollectPath(const Text& path) {
    entries_ = 0;
    onPath_.clear();
    Text walked = path;
    // Without recursion the attributes decide nothing, so they are not asked for.
    Walk(walked, options_.ChkFAll ? files_.Attributes(path) : 0);
    feeder_.Settle();
}

void PathWalker::Walk(Text& path, std::uint32_t attributes) {
    // Unreadable attributes have every bit set, so the listing is attempted and simply finds nothing.
    if (options_.ChkFAll && (attributes & FileAttr::Directory) != 0 &&
        !(IsFolderLink(attributes) && LeadsBack(path)))
        Descend(path);
    if (options_.ChkGet && !PassesFilter(path, state_.FExtFilter)) return;
    Output(path);
}

void PathWalker::Descend(Text& path) {
    const std::size_t length = path.size();
    if (const auto listing = files_.List(path + "\\*", kListingMask)) {
        FolderEntry entry;
        while (listing->Next(entry)) {
            if (state_.FAbort) break;
            if (entry.name == "." || entry.name == "..") continue;
            CountEntry();
            path += '\\';
            path += entry.name;
            Walk(path, entry.attributes);
            path.resize(length);
        }
    }
    // This folder leaves the path; a sibling of the same length may take its place.
    while (!onPath_.empty() && onPath_.back().length >= length)
        onPath_.pop_back();
}

// Messages are pumped every 64 entries for the whole walk, so Esc and the close box always work. The bar
// moves only while FTick counts up to its cap: a move repaints it, some 0.3 ms under Wine, while a pump alone
// costs some 0.01 ms.
void PathWalker::CountEntry() {
    ++entries_;
    state_.FTick = std::min(state_.FTick + 1, kTickCap);
    if (entries_ % kTickStep != 0) return;
    if (state_.FTick % kTickStep == 0) {
        ShowProgress();
    } else {
        view_.PumpMessages();
    }
}

// Compares the link's target with every folder on the link's path, the dropped name's own parents
// included. Links are rare, so the identities are asked for here and not for every folder walked.
bool PathWalker::LeadsBack(const Text& link) {
    const auto target = files_.Identity(link);
    // A target that cannot be identified cannot be shown not to loop.
    if (!target) return true;
    std::size_t depth = 0;
    std::size_t lastSeparator = Text::npos;
    for (std::size_t i = 0; i < link.size(); ++i) {
        if (IsKanjiLead(static_cast<unsigned char>(link[i]))) {
            ++i;
            continue;
        }
        if (link[i] != '\\') continue;
        // Doubled backslashes (below a dropped root) add no folder.
        const bool empty = i == 0 || lastSeparator + 1 == i;
        lastSeparator = i;
        if (empty) continue;
        // A drive's root is the drive and its backslash; "C:" alone is the drive's current folder.
        const std::size_t length = link[i - 1] == ':' ? i + 1 : i;
        if (depth == onPath_.size() || onPath_[depth].length != length) {
            onPath_.resize(depth);
            onPath_.push_back({length, files_.Identity(link.substr(0, length))});
        }
        if (onPath_[depth].id == target) return true;
        ++depth;
    }
    return false;
}

void PathWalker::Output(const Text& path) {
    if (options_.RdoFull) {
        feeder_.Add(path);
    } else if (options_.RdoName) {
        feeder_.Add(PathFileName(path));
    } else if (options_.RdoShow) {
        reader_.AddFileContents(path);
        ShowProgress();
    } else if (options_.RdoNET) {
        feeder_.Add(NetworkForm(path, files_, network_));
    } else {
        feeder_.Add(files_.ShortPath(path));
    }
}

void PathWalker::ShowProgress() {
    view_.SetProgressPosition(
        ProgressUnits(static_cast<std::int64_t>(state_.FDropIndex) * kProgressBand + state_.FTick));
    view_.PumpMessages();
}
