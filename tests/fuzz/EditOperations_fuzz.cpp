// The edit operations over fuzzed lines, with a collation that is a consistent total order (texts with
// different bytes may still be equal in it) and an abort at a fuzzed message pump. A sort gives back its
// input in order; duplicate removal keeps one line of each, sorted, or the first of each where it was; the
// per-line operations keep every line in its place; an aborted operation leaves the text area as it was; undo
// restores the text before the operation.
#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <set>
#include <vector>

#include "edit/EditOperations.h"
#include "edit/HenkanJ.h"
#include "tests/fakes/FakeCaseMapper.h"
#include "tests/fakes/FakeCollation.h"
#include "tests/fuzz/FuzzSupport.h"
#include "text/PathPieces.h"

namespace {

using Lines = std::vector<Text>;

const int kTags[] = {kTagUpper,  kTagLower,   kTagHalf,     kTagFull,      kTagNameAsc,  kTagNameDesc,
                     kTagExtAsc, kTagExtDesc, kTagFileName, kTagDirectory, kTagDistinct, kTagDistinctInOrder};

Lines SplitLines(const Text& bytes) {
    Lines lines;
    std::size_t start = 0;
    while (start < bytes.size()) {
        const std::size_t end = std::min(bytes.find('\n', start), bytes.size());
        lines.push_back(bytes.substr(start, end - start));
        start = end + 1;
    }
    return lines;
}

// The order a sort of tag must leave: a line may not come after one that sorts behind it.
bool InOrder(int tag, const Text& a, const Text& b) {
    const Text keyA = FakeCollation::Key(a);
    const Text keyB = FakeCollation::Key(b);
    if (tag == kTagNameAsc || tag == kTagDistinct) return keyA <= keyB;
    if (tag == kTagNameDesc) return keyA >= keyB;
    const Text extA = FakeCollation::Key(PathExtension(a));
    const Text extB = FakeCollation::Key(PathExtension(b));
    if (extA != extB) return tag == kTagExtAsc ? extA < extB : extA > extB;
    return tag == kTagExtAsc ? keyA <= keyB : keyA >= keyB;
}

void CheckResult(int tag, const Lines& input, const Lines& output) {
    switch (tag) {
        case kTagUpper:
        case kTagLower: {
            Check(output.size() == input.size());
            FakeCaseMapper cases;
            for (std::size_t i = 0; i < input.size(); ++i) {
                Text mapped = input[i];
                tag == kTagUpper ? cases.ToUpper(mapped) : cases.ToLower(mapped);
                Check(output[i] == mapped);
            }
            return;
        }
        case kTagHalf:
        case kTagFull:
            Check(output.size() == input.size());
            for (std::size_t i = 0; i < input.size(); ++i)
                Check(output[i] ==
                      (tag == kTagHalf ? HenkanJ::ZenToHan(input[i]) : HenkanJ::HanToZen(input[i])));
            return;
        case kTagFileName:
        case kTagDirectory:
            Check(output.size() == input.size());
            for (std::size_t i = 0; i < input.size(); ++i) {
                const Text& kept = output[i];
                const bool name = tag == kTagFileName;
                // The piece is the line's end or beginning, and the other piece makes up the rest.
                Check(kept.size() <= input[i].size());
                const Text rest =
                    name ? input[i].substr(0, input[i].size() - kept.size()) : input[i].substr(kept.size());
                Check((name ? rest + kept : kept + rest) == input[i]);
                Check(name ? PathDirectory(input[i]) == rest : PathFileName(input[i]) == rest);
            }
            return;
        case kTagDistinctInOrder: {
            // The lines in their order, each the first of its copies.
            std::set<Text> seen;
            std::size_t next = 0;
            for (const Text& line : input) {
                if (!seen.insert(line).second) continue;
                Check(next < output.size() && output[next] == line);
                ++next;
            }
            Check(next == output.size());
            return;
        }
        case kTagDistinct: {
            const std::set<Text> distinct(input.begin(), input.end());
            Check(output.size() == distinct.size());
            Check(std::set<Text>(output.begin(), output.end()) == distinct);
            break;
        }
        default: {
            Lines sortedIn = input;
            Lines sortedOut = output;
            std::sort(sortedIn.begin(), sortedIn.end());
            std::sort(sortedOut.begin(), sortedOut.end());
            Check(sortedIn == sortedOut);
            break;
        }
    }
    for (std::size_t i = 1; i < output.size(); ++i)
        Check(InOrder(tag, output[i - 1], output[i]));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider provider(data, size);
    const int tag = provider.PickValueInArray(kTags);
    const int abortAt = provider.ConsumeBool() ? provider.ConsumeIntegralInRange(1, 40) : 0;
    const Lines input = SplitLines(provider.ConsumeRemainingBytesAsString());

    BusyState state;
    LinesView view;
    FakeCaseMapper cases;
    FakeCollation collation;
    NullBreakButton button;
    EditOperations edit(view, state, cases, collation, button);
    bool aborted = false;
    view.onPump = [&](int pump) {
        if (pump == abortAt) {
            aborted = true;
            edit.Abort();
        }
    };

    view.lines = input;
    edit.Run(tag);
    Check(!state.FBusy && view.panels[3].empty());
    if (aborted) {
        Check(view.lines == input);
    } else {
        CheckResult(tag, input, view.lines);
    }
    // The abort may fall on the pump of the undo, which then leaves the text as it is.
    view.lines = {"other"};
    aborted = false;
    edit.Undo();
    Check(view.lines == (aborted ? Lines{"other"} : input));
    return 0;
}
