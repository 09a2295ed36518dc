// The edit window's operations on the text area's lines: case, width, sorts, file names, directories,
// duplicate removal (sorted, or in the lines' order), and one level of undo. Each operation works on a copy
// of the lines, pumps messages as it goes so that its abort button stays reachable, and writes the text area
// once, at the end, unless aborted. Besides the pacing steps that the operations count, the copying around
// them (splitting the text read into lines, building the text written back) pumps after every few MiB, so
// that no stretch of a million lines goes without one.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "platform/CaseMapper.h"
#include "platform/Collation.h"
#include "shared/BusyState.h"
#include "shared/View.h"
#include "text/Text.h"

// The tags of the operation buttons.
enum EditTag : int {
    kTagUpper = 10,
    kTagLower = 11,
    kTagHalf = 20,
    kTagFull = 21,
    kTagNameAsc = 30,
    kTagNameDesc = 31,
    kTagExtAsc = 40,
    kTagExtDesc = 41,
    kTagFileName = 50,
    kTagDirectory = 51,
    kTagDistinct = 90,
    kTagDistinctInOrder = 91,  // duplicate removal that keeps the order of the lines
};

// Status panel 3 once the abort button has been pressed.
inline const Text kAbortingText = "中断中! 少々お待ちください";

// The edit window's abort button: visible only while an operation runs.
class BreakButton {
public:
    virtual ~BreakButton() = default;
    virtual void SetBreakVisible(bool visible) = 0;
};

// A break button that nobody sees: for work run without the edit window.
class NullBreakButton : public BreakButton {
public:
    void SetBreakVisible(bool) override {}
};

class EditOperations {
public:
    EditOperations(View& view, BusyState& state, CaseMapper& cases, Collation& collation,
                   BreakButton& button);
    ~EditOperations();
    EditOperations(const EditOperations&) = delete;
    EditOperations& operator=(const EditOperations&) = delete;

    // Runs the operation of tag over the text area's lines. While a drop or another operation runs it only
    // shows kBusyMessage. The text area's lines before the operation become the undo copy, aborted or not,
    // and the text area is written only when the operation ended normally. An error, in the operation or in
    // its finishing steps, leaves the busy flag cleared, panel 3 empty and the abort button hidden, and is
    // then passed on.
    void Run(int tag);

    // Replaces the text area's lines with the undo copy, which stays. Changes nothing when there is no copy
    // (at start-up, after ForgetUndo); while a drop or an operation runs it only shows kBusyMessage. Else it
    // runs as an operation does: busy, its abort button shown, and an abort leaves the text area as it is.
    void Undo();

    // Drops the undo copy ("戻る").
    void ForgetUndo();

    // Asks the running operation to stop at its next abort test, says so in panel 3 and processes messages.
    void Abort();

private:
    class KeyStore;
    // The text as read, each line followed by CR LF, and where each line ends: one block, a third of the
    // lines' size as separate texts, and the very text that 戻す writes back.
    class PackedLines {
    public:
        // Takes text, adding the CR LF that a last line may lack; no line is known until added.
        void Take(Text text);
        // The next line ends at the CR LF at or after from; false when none is left.
        bool AddLineFrom(std::size_t from, std::size_t& next);
        std::size_t Size() const { return ends_.size(); }
        std::string_view Line(std::size_t i) const {
            const std::size_t start = i == 0 ? 0 : ends_[i - 1] + 2;
            return std::string_view(bytes_).substr(start, ends_[i] - start);
        }
        const Text& Bytes() const { return bytes_; }
        void Clear();

    private:
        Text bytes_;
        std::vector<std::size_t> ends_;  // the CR of each line's CR LF
    };
    struct SortEntry {
        std::size_t line;         // index in FUndoList
        std::string_view key;     // the line's sort key; no data until first compared
        std::string_view extKey;  // its extension's
    };

    // Dispatcher steps 2 to 15 around work; the result written back is FWorkList, or the undo copy when
    // restoring.
    template <typename Work>
    void Perform(Work work, bool restoring);
    // FUndoList becomes the text area's text, split into lines.
    void ReadUndoCopy();
    void Operate(int tag);
    void Pace();
    // Copying work of bytes done: messages are processed once a few MiB have been copied since the last
    // time, apart from the pacing steps.
    void Copied(std::size_t bytes);
    void AddLine(std::string_view line);
    template <typename Transform>
    void EachLine(Transform transform);

    // Sorts the lines of FUndoList (the lines the operation began with) by the comparison of tag into
    // entries_; the lines themselves are not copied for it, only their keys are made.
    void SortEntries(int tag);
    // FWorkList becomes the lines in the order of entries_, leaving out those that removed marks.
    void TakeSorted(const std::vector<char>* removed = nullptr);
    template <typename Compare>
    void QuickSort(Compare compare);
    void Exchange(std::size_t i, std::size_t j) { std::swap(entries_[i], entries_[j]); }

    int CompareNameAsc(std::size_t index1, std::size_t index2);
    int CompareNameDesc(std::size_t index1, std::size_t index2);
    int CompareExtAsc(std::size_t index1, std::size_t index2);
    int CompareExtDesc(std::size_t index1, std::size_t index2);
    int CompareLines(std::size_t index1, std::size_t index2);
    int CompareExtensions(std::size_t index1, std::size_t index2);
    std::string_view LineKey(std::size_t index);
    // The line at position index of entries_.
    std::string_view SortedLine(std::size_t index) const { return FUndoList.Line(entries_[index].line); }
    std::string_view ExtKey(std::size_t index);

    void RemoveDuplicates();
    void DropScatteredCopies(std::vector<char>& removed);
    // Of lines equal byte for byte the first stays, where it was; the order of the kept lines is theirs.
    void RemoveLaterCopies();

    View& view_;
    BusyState& state_;
    CaseMapper& cases_;
    Collation& collation_;
    BreakButton& button_;

    // The lines before the operation, which the sorts also read in place of a working copy.
    PackedLines FUndoList;
    bool FUndoHeld = false;   // FUndoList holds a text to restore, even an empty one
    bool operating_ = false;  // an operation reads FUndoList
    Text FWorkList;           // the result, each line followed by CR LF
    bool FAbort = false;
    std::int32_t FTick = 0;
    std::size_t copied_ = 0;  // bytes copied since messages were last processed

    // The state of one sort, kept only while an operation runs.
    std::vector<SortEntry> entries_;
    std::unique_ptr<KeyStore> keys_;
    std::unordered_map<Text, std::string_view> extKeys_;
};
