#include "edit/EditOperations.h"

#include <cstring>
#include <unordered_set>
#include <utility>

#include "edit/HenkanJ.h"
#include "shared/FirstError.h"
#include "text/KeyOrder.h"
#include "text/PathPieces.h"

namespace {

// Messages are processed on every 1025th step: the counter must exceed 1024.
constexpr std::int32_t kPaceSteps = 1024;

}  // namespace

// The sort keys of one operation, packed into large blocks: one allocation per few thousand lines instead of
// one per line, and nothing moves once stored.
class EditOperations::KeyStore {
public:
    explicit KeyStore(Collation& collation) : collation_(collation) {}

    std::string_view Make(std::string_view s) {
        text_.assign(s);
        collation_.SortKey(text_, scratch_);
        if (scratch_.empty()) return std::string_view("", 0);
        if (scratch_.size() > blockSize_ - used_) {
            // Small lists take small blocks; long ones soon take large ones.
            if (blockSize_ < kMaxBlockSize) blockSize_ *= 2;
            if (blockSize_ < scratch_.size()) blockSize_ = scratch_.size();
            blocks_.push_back(std::unique_ptr<char[]>(new char[blockSize_]));
            used_ = 0;
        }
        char* at = blocks_.back().get() + used_;
        std::memcpy(at, scratch_.data(), scratch_.size());
        used_ += scratch_.size();
        return std::string_view(at, scratch_.size());
    }

private:
    // Below the size the heap hands to the system on its own, so that the blocks reuse the room that the
    // lines freed before them.
    static constexpr std::size_t kMaxBlockSize = 1 << 18;

    Collation& collation_;
    Text text_;
    Text scratch_;
    std::vector<std::unique_ptr<char[]>> blocks_;
    std::size_t blockSize_ = 2048;
    std::size_t used_ = blockSize_;
};

EditOperations::EditOperations(View& view, BusyState& state, CaseMapper& cases, Collation& collation,
                               BreakButton& button)
    : view_(view), state_(state), cases_(cases), collation_(collation), button_(button) {}

EditOperations::~EditOperations() = default;

void EditOperations::Run(int tag) {
    if (state_.FBusy) {
        view_.ShowMessage(kBusyMessage);
        return;
    }
    Perform(
        [&] {
            ReadUndoCopy();
            if (!FAbort) Operate(tag);
        },
        false);
}

void EditOperations::Undo() {
    if (state_.FBusy) {
        view_.ShowMessage(kBusyMessage);
        return;
    }
    if (FUndoHeld) Perform([] {}, true);
}

template <typename Work>
void EditOperations::Perform(Work work, bool restoring) {
    FAbort = false;
    state_.FBusy = true;
    operating_ = true;

    // Whatever fails, even running out of memory, the program must not stay busy: the finishing steps run in
    // any case, and the text area is written only by an operation that ended normally.
    FirstError error;
    error.Catch([&] {
        view_.SetStatusText(3, kAbortPrompt);
        button_.SetBreakVisible(true);
        FTick = 0;
        copied_ = 0;
        view_.PumpMessages();
        work();
    });
    const bool completed = !error.Caught() && !FAbort;
    error.Catch([&] { view_.SetStatusText(3, Text()); });
    if (completed) {
        FirstError writing;
        writing.Catch([&] { view_.ReplaceAllText(restoring ? FUndoList.Bytes() : FWorkList); });
        error.Catch([&] { writing.Rethrow(); });
        // A result the text area did not take whole: the text goes back to what the operation began with.
        if (writing.Caught() && !restoring) error.Catch([&] { view_.ReplaceAllText(FUndoList.Bytes()); });
    }
    operating_ = false;
    if (!FUndoHeld) FUndoList.Clear();
    state_.FBusy = false;
    Text().swap(FWorkList);
    std::vector<SortEntry>().swap(entries_);
    keys_.reset();
    extKeys_.clear();
    error.Catch([&] { button_.SetBreakVisible(false); });
    error.Rethrow();
}

void EditOperations::ReadUndoCopy() {
    // A copy cut short by a failure is nothing to restore.
    FUndoHeld = false;
    FUndoList.Take(view_.ReadAllText());
    // The whole text is the copy to restore; the line ends found below serve the operation only.
    FUndoHeld = true;
    std::size_t from = 0;
    for (std::size_t next = 0; FUndoList.AddLineFrom(from, next); from = next) {
        Copied(next - from);
        if (FAbort) return;
    }
}

void EditOperations::ForgetUndo() {
    FUndoHeld = false;
    // A running operation still reads the copy; it goes when the operation ends.
    if (!operating_) FUndoList.Clear();
}

void EditOperations::PackedLines::Take(Text text) {
    Clear();
    bytes_ = std::move(text);
    const std::size_t size = bytes_.size();
    if (size > 0 && (size < 2 || bytes_[size - 2] != '\r' || bytes_[size - 1] != '\n')) bytes_ += "\r\n";
}

bool EditOperations::PackedLines::AddLineFrom(std::size_t from, std::size_t& next) {
    // A plain loop: the C library's search is slow under some systems, and a CR LF always ends the text.
    const std::size_t size = bytes_.size();
    const char* const data = bytes_.data();
    for (std::size_t at = from; at + 1 < size; ++at) {
        if (data[at] == '\r' && data[at + 1] == '\n') {
            ends_.push_back(at);
            next = at + 2;
            return true;
        }
    }
    return false;
}

void EditOperations::PackedLines::Clear() {
    Text().swap(bytes_);
    std::vector<std::size_t>().swap(ends_);
}

void EditOperations::Abort() {
    FAbort = true;
    view_.SetStatusText(3, kAbortingText);
    view_.PumpMessages();
}

void EditOperations::Operate(int tag) {
    switch (tag) {
        case kTagUpper:
            EachLine([this](Text& line) { cases_.ToUpper(line); });
            break;
        case kTagLower:
            EachLine([this](Text& line) { cases_.ToLower(line); });
            break;
        case kTagHalf:
            EachLine([](Text& line) { line = HenkanJ::ZenToHan(line); });
            break;
        case kTagFull:
            EachLine([](Text& line) { line = HenkanJ::HanToZen(line); });
            break;
        case kTagFileName:
            EachLine([](Text& line) { line = PathFileName(line); });
            break;
        case kTagDirectory:
            EachLine([](Text& line) { line = PathDirectory(line); });
            break;
        case kTagNameAsc:
        case kTagNameDesc:
        case kTagExtAsc:
        case kTagExtDesc:
            SortEntries(tag);
            TakeSorted();
            break;
        case kTagDistinct:
            RemoveDuplicates();
            break;
        case kTagDistinctInOrder:
            RemoveLaterCopies();
            break;
        default:
            // Nothing to do: the text goes back as it was read.
            FWorkList = FUndoList.Bytes();
            break;
    }
}

void EditOperations::Pace() {
    if (++FTick > kPaceSteps) {
        FTick = 0;
        view_.PumpMessages();
    }
}

void EditOperations::Copied(std::size_t bytes) {
    // Some milliseconds of copying, and a handful of pumps for a text of a million lines.
    constexpr std::size_t kCopiedBetweenPumps = std::size_t{1} << 22;
    copied_ += bytes;
    if (copied_ >= kCopiedBetweenPumps) {
        copied_ = 0;
        view_.PumpMessages();
    }
}

void EditOperations::AddLine(std::string_view line) {
    FWorkList += line;
    FWorkList += "\r\n";
}

template <typename Transform>
void EditOperations::EachLine(Transform transform) {
    const std::size_t n = FUndoList.Size();
    FWorkList.reserve(FUndoList.Bytes().size());
    Text line;
    for (std::size_t i = 0; i < n; ++i) {
        line.assign(FUndoList.Line(i));
        transform(line);
        AddLine(line);
        if (FAbort) return;
        Pace();
    }
}

void EditOperations::SortEntries(int tag) {
    const std::size_t n = FUndoList.Size();
    entries_.resize(n);
    for (std::size_t i = 0; i < n; ++i)
        entries_[i] = SortEntry{i, {}, {}};
    if (n < 2) return;
    keys_ = std::make_unique<KeyStore>(collation_);

    switch (tag) {
        case kTagNameAsc:
            QuickSort([this](std::size_t a, std::size_t b) { return CompareNameAsc(a, b); });
            break;
        case kTagNameDesc:
            QuickSort([this](std::size_t a, std::size_t b) { return CompareNameDesc(a, b); });
            break;
        case kTagExtAsc:
            QuickSort([this](std::size_t a, std::size_t b) { return CompareExtAsc(a, b); });
            break;
        default:
            QuickSort([this](std::size_t a, std::size_t b) { return CompareExtDesc(a, b); });
            break;
    }
}

void EditOperations::TakeSorted(const std::vector<char>* removed) {
    // An aborted operation writes nothing back.
    if (FAbort) return;
    // The keys are done with: the lines take their room.
    keys_.reset();
    extKeys_.clear();
    FWorkList.reserve(FUndoList.Bytes().size());
    for (std::size_t i = 0; i < entries_.size(); ++i) {
        if (removed && (*removed)[i]) continue;
        const std::string_view line = SortedLine(i);
        AddLine(line);
        Copied(line.size() + 2);
        if (FAbort) return;
    }
}

// Partitions around the line at the middle index, following that line through exchanges, then sorts the
// left part before the right one. The left parts wait on a list of their own instead of the call stack, so a
// badly ordered input that makes them deep cannot overflow it; the order of comparisons and exchanges is
// that of recursing into the left part and looping on the right.
template <typename Compare>
void EditOperations::QuickSort(Compare compare) {
    struct Range {
        std::ptrdiff_t lower, upper;
    };
    std::vector<Range> pending;
    std::ptrdiff_t lower = 0;
    std::ptrdiff_t upper = static_cast<std::ptrdiff_t>(entries_.size()) - 1;
    for (;;) {
        std::ptrdiff_t i = lower;
        std::ptrdiff_t j = upper;
        std::ptrdiff_t pivot = (lower + upper) / 2;
        do {
            while (compare(static_cast<std::size_t>(i), static_cast<std::size_t>(pivot)) < 0)
                ++i;
            while (compare(static_cast<std::size_t>(j), static_cast<std::size_t>(pivot)) > 0)
                --j;
            if (i <= j) {
                Exchange(static_cast<std::size_t>(i), static_cast<std::size_t>(j));
                if (pivot == i) {
                    pivot = j;
                } else if (pivot == j) {
                    pivot = i;
                }
                ++i;
                --j;
            }
        } while (i <= j);
        if (i < upper) pending.push_back(Range{i, upper});
        if (lower < j) {
            upper = j;
            continue;
        }
        if (pending.empty()) return;
        lower = pending.back().lower;
        upper = pending.back().upper;
        pending.pop_back();
    }
}

int EditOperations::CompareNameAsc(std::size_t index1, std::size_t index2) {
    const int result = FAbort ? 0 : CompareLines(index1, index2);
    Pace();
    return result;
}

int EditOperations::CompareNameDesc(std::size_t index1, std::size_t index2) {
    const int result = FAbort ? 0 : -CompareLines(index1, index2);
    Pace();
    return result;
}

int EditOperations::CompareExtAsc(std::size_t index1, std::size_t index2) {
    if (FAbort) return 0;
    Pace();
    const int result = CompareExtensions(index1, index2);
    return result != 0 ? result : CompareLines(index1, index2);
}

int EditOperations::CompareExtDesc(std::size_t index1, std::size_t index2) {
    return -CompareExtAsc(index1, index2);
}

int EditOperations::CompareLines(std::size_t index1, std::size_t index2) {
    return CompareKeys(LineKey(index1), LineKey(index2));
}

int EditOperations::CompareExtensions(std::size_t index1, std::size_t index2) {
    return CompareKeys(ExtKey(index1), ExtKey(index2));
}

std::string_view EditOperations::LineKey(std::size_t index) {
    SortEntry& entry = entries_[index];
    if (!entry.key.data()) entry.key = keys_->Make(FUndoList.Line(entry.line));
    return entry.key;
}

// Lines share a handful of extensions, so each extension's key is made once for all of them.
std::string_view EditOperations::ExtKey(std::size_t index) {
    SortEntry& entry = entries_[index];
    if (!entry.extKey.data()) {
        Text extension = PathExtension(Text(FUndoList.Line(entry.line)));
        const auto found = extKeys_.find(extension);
        if (found != extKeys_.end()) {
            entry.extKey = found->second;
        } else {
            entry.extKey = keys_->Make(extension);
            extKeys_.emplace(std::move(extension), entry.extKey);
        }
    }
    return entry.extKey;
}

void EditOperations::RemoveDuplicates() {
    const std::size_t n = FUndoList.Size();
    if (n < 2) {
        FWorkList = FUndoList.Bytes();
        return;
    }
    SortEntries(kTagNameAsc);

    // From the end: a line equal byte for byte to the one before it goes. Marked here and left out when the
    // lines are taken, so that a list of many copies does not cost a move of the rest at every removal.
    std::vector<char> removed(n, 0);
    for (std::size_t k = n - 1; k-- > 0;) {
        if (SortedLine(k + 1) == SortedLine(k)) removed[k + 1] = 1;
        if (FAbort) return;
        Pace();
    }
    DropScatteredCopies(removed);
    TakeSorted(&removed);
}

// Lines with different bytes may still collate equal (bytes that are no UTF-8 all compare as U+FFFD, for
// one); the sort leaves such lines in any order among themselves, so copies of one of them need not end up
// side by side. Within each such run of equal lines, every copy after the first goes too.
void EditOperations::DropScatteredCopies(std::vector<char>& removed) {
    const std::size_t n = entries_.size();
    std::size_t start = 0;
    while (start < n) {
        std::size_t end = start + 1;
        bool mixed = false;
        std::size_t read = SortedLine(start).size();
        while (end < n && (SortedLine(end) == SortedLine(end - 1) || CompareLines(end - 1, end) == 0)) {
            if (SortedLine(end) != SortedLine(end - 1)) mixed = true;
            read += SortedLine(end).size();
            ++end;
        }
        if (mixed) {
            std::unordered_set<std::string_view> seen;
            for (std::size_t i = start; i < end; ++i) {
                if (!seen.insert(SortedLine(i)).second) removed[i] = 1;
            }
        }
        Copied(read);
        if (FAbort) return;
        start = end;
    }
}

void EditOperations::RemoveLaterCopies() {
    const std::size_t n = FUndoList.Size();
    if (n < 2) {
        FWorkList = FUndoList.Bytes();
        return;
    }
    // The first copies met, by the hash of their lines: line index + 1 in a table kept at most half full, so
    // that a probe ends soon and no line costs an allocation of its own. The lines are read from the undo
    // copy, which stays put.
    std::size_t slots = 2;
    while (slots < 2 * n)
        slots *= 2;
    std::vector<std::size_t> firsts(slots, 0);
    const std::hash<std::string_view> hash;
    FWorkList.reserve(FUndoList.Bytes().size());
    for (std::size_t i = 0; i < n; ++i) {
        const std::string_view line = FUndoList.Line(i);
        std::size_t at = hash(line) & (slots - 1);
        while (firsts[at] != 0 && FUndoList.Line(firsts[at] - 1) != line)
            at = (at + 1) & (slots - 1);
        if (firsts[at] == 0) {
            firsts[at] = i + 1;
            AddLine(line);
        }
        if (FAbort) return;
        Pace();
    }
}
