#include "collect/FileContentsReader.h"

#include <algorithm>
#include <limits>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "collect/LineCounter.h"
#include "collect/LineSplitter.h"
#include "platform/Encoding.h"
#include "text/AppError.h"
#include "text/NumberField.h"
#include "text/ShiftJisBytes.h"

namespace {

Text Percentage(std::uint64_t bytes, std::uint64_t size) {
    // A file that was empty when its entry was read may have grown since.
    if (size == 0) return "0%";
    return std::to_string(bytes * 100 / size) + "%";
}

// Makes the Shift_JIS bytes of a line fit to be decoded with the lines around it and handed to the text area.
// A NUL is shown as a space, or it would end the text there and lose the rest of the line and every line
// after it. The cut of an over-long line parts no character. A lead byte left without its second byte at the
// line's end is shown as "?", or the decoding would pair it with the line end and join the lines. Either way
// the text area holds what is shown, so the clipboard and a saved file agree with it.
void MakeShowable(std::string& line, bool cut) {
    if (cut) line.resize(ShiftJisCut(line, line.size()));
    bool lead = false;  // the byte before was a lead byte waiting for its second byte
    for (char& c : line) {
        if (c == '\0') c = ' ';
        lead = !lead && IsKanjiLead(static_cast<unsigned char>(c));
    }
    if (lead) line.back() = '?';
}

// Ends each line in a block of lines waiting for the text area: no line holds a CR, and no decoded character
// holds one but the CR itself.
constexpr char kLineStop = '\r';

// Serves status panel 2 and the message pump while one file is read, and answers whether the reading goes on:
// after every so many lines, at the share that the lines' bytes make, and after every block's worth of bytes
// read without that, at the share of the bytes read, so that a long line neither freezes the window nor
// outlasts the abort.
class ReadProgress {
public:
    ReadProgress(DropState& state, View& view, std::uint64_t size)
        : state_(state), view_(view), size_(size) {}

    // Shows bytes as a share of the file's size and pumps.
    bool Report(std::uint64_t bytes) {
        view_.SetStatusText(2, Percentage(bytes, size_));
        view_.PumpMessages();
        unreported_ = 0;
        return GoesOn();
    }

    // Called with each read before its bytes are split, and again once they were.
    void Read(std::size_t bytes) {
        read_ += bytes;
        unreported_ += bytes;
    }
    bool Split() { return unreported_ >= FileContentsReader::kBlockBytes ? Report(read_) : GoesOn(); }

    bool GoesOn() const { return !state_.FAbort; }

private:
    DropState& state_;
    View& view_;
    const std::uint64_t size_;
    std::uint64_t read_ = 0;
    std::uint64_t unreported_ = 0;  // bytes read since the last report
};

// Takes the lines of one file from the splitter: counts them, keeps them for the text area in all-lines mode
// (cut to the longest line it takes) and decodes them from Shift_JIS a batch at a time, one conversion a
// batch, and reports progress.
class LineTally {
public:
    LineTally(ReadProgress& progress, View& view, const OptionSnapshot& options)
        : progress_(progress),
          view_(view),
          skipBlank_(options.skipBlankLines),
          countOnly_(options.countLines) {}

    void Bytes(const char* data, std::size_t size) {
        length_ += size;
        // Blank means nothing above 0x20 is left after trimming both ends; the full-width space is no blank.
        if (skipBlank_ && !printable_)
            printable_ =
                std::any_of(data, data + size, [](char c) { return static_cast<unsigned char>(c) > 0x20; });
        if (!countOnly_) {
            const std::size_t room = FileContentsReader::kLongestLine - line_.size();
            if (size > room) {
                size = room;
                cutLine_ = true;
            }
            line_.append(data, size);
        }
    }

    bool End() {
        const bool skip = skipBlank_ && !printable_;
        const std::uint64_t length = std::exchange(length_, 0);
        const bool cut = std::exchange(cutLine_, false);
        printable_ = false;
        if (skip) {
            line_.clear();
        } else {
            if (!countOnly_) {
                MakeShowable(line_, cut);
                Keep(line_);
                cutAny_ = cutAny_ || cut;
            }
            line_.clear();
            bytes_ += length;
            ++count_;
            if (++since_ > FileContentsReader::kReportInterval) {
                since_ = 0;
                return progress_.Report(bytes_);
            }
        }
        return progress_.GoesOn();
    }

    std::int64_t Count() const { return count_; }
    bool Cut() const { return cutAny_; }

    void Keep(const std::string& line) {
        pending_ += line;
        pending_ += kLineStop;
        if (++pendingLines_ >= FileContentsReader::kBatchLines ||
            pending_.size() >= FileContentsReader::kBatchBytes)
            Flush();
    }

    // Hands the lines kept to the text area, followed by mark when there is one.
    void Flush(const Text& mark = Text()) {
        if (pendingLines_ == 0 && mark.empty()) return;
        std::vector<Text> lines;
        lines.reserve(pendingLines_ + 1);
        const Text text = TextFromShiftJis(pending_);
        pending_.clear();
        pendingLines_ = 0;
        for (std::size_t from = 0; from < text.size();) {
            const std::size_t stop = std::min(text.find(kLineStop, from), text.size());
            lines.emplace_back(text, from, stop - from);
            from = stop + 1;
        }
        if (!mark.empty()) lines.push_back(mark);
        view_.AppendLines(lines);
    }

private:
    ReadProgress& progress_;
    View& view_;
    const bool skipBlank_;
    const bool countOnly_;

    std::string
        line_;  // the Shift_JIS bytes of the line being read, in all-lines mode, up to the longest line
    std::uint64_t length_ = 0;
    bool printable_ = false;
    bool cutLine_ = false;  // the line being read is longer than the longest line
    bool cutAny_ = false;   // a line of the file was cut

    std::int64_t count_ = 0;
    std::uint64_t bytes_ = 0;
    std::int32_t since_ = 0;

    std::string pending_;  // the Shift_JIS bytes of the lines kept, each followed by kLineStop
    std::size_t pendingLines_ = 0;
};

// A file read ahead, as the reader reads an open file.
class HeldFile : public SequentialFile {
public:
    explicit HeldFile(Text bytes) : bytes_(std::move(bytes)) {}

    ReadResult Read(char* buffer, std::size_t capacity) override {
        const std::size_t size = std::min(capacity, bytes_.size() - at_);
        std::copy_n(bytes_.data() + at_, size, buffer);
        at_ += size;
        return {size, false, 0};
    }

private:
    Text bytes_;
    std::size_t at_ = 0;
};

constexpr std::uint32_t kNotPlain = FileAttr::Hidden | FileAttr::System | FileAttr::Directory;

bool IsPlainFile(const EntryFacts& facts) {
    return facts.attributes != FileAttr::Invalid && (facts.attributes & kNotPlain) == 0;
}

// Opening such a file makes the system fetch its data first: gigabytes from a cloud store, or an error when
// offline.
bool IsOnlineOnly(std::uint32_t attributes) {
    return (attributes & (FileAttr::RecallOnDataAccess | FileAttr::Offline)) != 0;
}

// Reads the file to its end, to an abort, or to a failing read, whose error code it returns. The splitter
// takes the blocks (LineSplitter or LineCounter) and hands what it finds to sink. An abort between two blocks
// ends the file there: a line it cuts short is taken as read so far, as at the file's end.
template <typename Splitter, typename Sink>
std::optional<std::uint32_t> ReadLines(SequentialFile& file, char* block, Splitter& splitter, Sink& sink,
                                       ReadProgress& progress) {
    if (!progress.GoesOn()) return std::nullopt;
    for (;;) {
        const SequentialFile::ReadResult got = file.Read(block, FileContentsReader::kBlockBytes);
        if (got.failed) return got.error;
        if (got.bytes == 0) {
            splitter.Finish(sink);
            return std::nullopt;
        }
        progress.Read(got.bytes);
        if (splitter.Feed(block, got.bytes, sink) != LineSplitter::Status::More) return std::nullopt;
        if (!progress.Split()) {
            splitter.Finish(sink);
            return std::nullopt;
        }
    }
}

// An I/O failure as the user is shown it: the file's name on a line of its own, then the text of the code.
// The name comes first so that the error report's full stop, when it adds one, closes the text and does not
// stick to the name.
AppError IoFailure(const Text& path, std::uint32_t code) {
    return AppError(path + "\r\n" + IoErrorText(code));
}

}  // namespace

Text IoErrorText(std::uint32_t code) {
    switch (code) {
        case 2:
            return "ファイルが見つかりません";
        case 3:
            return "不正なファイル名です";
        case 4:
            return "オープンしたファイルが多すぎます";
        case 5:
            return "ファイルへのアクセスが拒否されました";
        case 32:
            return "ほかのプログラムがファイルを使用中のため開けません";
        case 33:
            return "ほかのプログラムがファイルの一部をロックしているため読めません";
        case 100:
            return "ファイルの末尾以降を読み込みました";
        case 101:
            return "ディスクがいっぱいです";
        case 106:
            return "入力値が数値ではありません";
        default:
            return "I/O エラー (" + std::to_string(code) + ")";
    }
}

FileContentsReader::FileContentsReader(DropState& state, View& view, FileReader& files)
    : state_(state),
      view_(view),
      files_(files),
      ahead_(files, kBlockBytes, kReadAheadDepth, kReadAheadBytes,
             files.AllowsConcurrentReads() ? kReadAheadWorkers : 0, kReadAheadStopWait),
      block_(new char[kBlockBytes]) {}

void FileContentsReader::ExpectFile(const Text& path, const EntryFacts& facts) {
    if (IsPlainFile(facts) && facts.size <= kBlockBytes &&
        (state_.FReadOnlineFiles || !IsOnlineOnly(facts.attributes)))
        ahead_.Expect(path);
}

FileReader::OpenResult FileContentsReader::Open(const Text& path) {
    const auto keepWaiting = [this] {
        view_.PumpMessages();
        return !state_.FAbort;
    };
    if (std::optional<Text> bytes = ahead_.Take(path, keepWaiting))
        return {std::make_unique<HeldFile>(std::move(*bytes)), 0};
    // After an abort, the wait for a read ahead given up included, nothing more is read: the file is not
    // opened either.
    if (state_.FAbort) return {std::make_unique<HeldFile>(Text()), 0};
    return files_.Open(path);
}

void FileContentsReader::AddFileContents(const Text& path) {
    AddWalkedFile(path, path, nullptr);
}

void FileContentsReader::AddWalkedFile(const Text& path, const Text& shown, const EntryFacts* facts) {
    std::optional<EntryFacts> plain;
    if (facts) {
        if (!IsPlainFile(*facts)) return;
        plain = *facts;
    } else {
        if (!files_.Exists(path)) return;
        plain = files_.PlainFileFacts(path);
        if (!plain) return;
    }
    if (IsOnlineOnly(plain->attributes) && !state_.FReadOnlineFiles) {
        onlineFiles_.Add(path);
        return;
    }
    const std::optional<std::uint64_t> size = plain->size;
    FileReader::OpenResult opened = Open(path);
    if (opened.notDiskFile) {
        notDiskFiles_.Add(path);
        return;
    }
    // A file the walk listed may have gone since; gone, it gives nothing, as it would have when looked for.
    if (!opened.file && facts && !files_.Exists(path)) return;
    view_.SetStatusText(2, "0%");
    // The top panel is disabled while a drop runs, so the options read here hold for the whole file.
    const OptionSnapshot options = view_.ReadOptions();
    if (!opened.file) throw IoFailure(path, opened.error);

    // Count mode writes nothing while it reads, so only all-lines mode holds the redrawing.
    std::optional<RedrawSuspension> suspension;
    if (!options.countLines) suspension.emplace(view_);
    ReadProgress progress(state_, view_, *size);
    LineSplitter splitter;
    LineTally tally(progress, view_, options);
    // Counting alone, with no blank line to leave out, needs to look at nothing but the line ends.
    LineCounter counter(kReportInterval + 1);
    auto report = [&] { return progress.Report(counter.Bytes()); };
    const bool countOnly = options.countLines && !options.skipBlankLines;
    const std::optional<std::uint32_t> readError =
        countOnly ? ReadLines(*opened.file, block_.get(), counter, report, progress)
                  : ReadLines(*opened.file, block_.get(), splitter, tally, progress);
    opened.file.reset();
    if (tally.Cut() && cuts_++ == 0) firstCut_ = path;

    if (readError) {
        // What was read before the failure stays; no count line and no abort mark.
        tally.Flush();
        throw IoFailure(path, *readError);
    }
    const std::int64_t count = countOnly ? counter.Count() : tally.Count();
    if (options.countLines) {
        countLines_.push_back(FormatNumbers("%10d%", {count}) + (state_.FAbort ? "行:[中断]" : "行:") +
                              shown);
        if (countLines_.size() >= countBatch_) WriteCountLines();
        // The running total is 32 bits wide; it stops at its largest value rather than wrap.
        const std::int64_t total = static_cast<std::int64_t>(state_.FTotalLines) + count;
        state_.FTotalLines = static_cast<std::int32_t>(
            std::min<std::int64_t>(total, std::numeric_limits<std::int32_t>::max()));
    } else {
        tally.Flush(state_.FAbort ? Text("[中断]") : Text());
    }
}

void FileContentsReader::WriteHeldLines() {
    // A file expected and never taken (the walk was aborted or failed) is not kept for the next drop, which
    // reads what the file holds then.
    ahead_.Forget();
    WriteCountLines();
    countBatch_ = kFirstCountBatch;
    countLinesWritten_ = 0;
}

void FileContentsReader::WriteCountLines() {
    if (countLines_.empty()) return;
    // Taken first: whatever the view does with them, they are not written twice.
    const std::vector<Text> lines = std::move(countLines_);
    countLines_.clear();
    countLinesWritten_ += lines.size();
    countBatch_ = std::max(kFirstCountBatch, countLinesWritten_);
    view_.AppendLines(lines);
}

void FileContentsReader::PassedOver::Add(const Text& path) {
    if (names.size() < kNoticeNames) names.push_back(path);
    ++count;
}

namespace {

// A paragraph of the drop notice: what was done to the files, then their names, one a line.
Text PassedOverParagraph(const Text& what, std::vector<Text> names, std::size_t count) {
    Text paragraph = "次の " + std::to_string(count) + " ファイルは" + what;
    for (const Text& name : names)
        paragraph += "\r\n" + name;
    if (count > names.size()) paragraph += "\r\nほか " + std::to_string(count - names.size()) + " ファイル";
    return paragraph;
}

}  // namespace

Text FileContentsReader::TakeDropNotice() {
    std::vector<Text> paragraphs;
    if (cuts_ > 0) {
        const std::size_t others = std::exchange(cuts_, 0) - 1;
        const Text which =
            others == 0 ? Text("このファイル") : "このファイルほか " + std::to_string(others) + " ファイル";
        paragraphs.push_back(std::exchange(firstCut_, Text()) + "\r\n" + which + "の長すぎる行を " +
                             std::to_string(kLongestLine) + " バイトで切り詰めました。");
    }
    if (notDiskFiles_.count > 0) {
        paragraphs.push_back(PassedOverParagraph(
            "ディスク上のファイルではなく、デバイス (COM1、AUX、NUL など) やパイプとして開かれたため、"
            "読まずに飛ばしました。",
            std::move(notDiskFiles_.names), notDiskFiles_.count));
    }
    if (onlineFiles_.count > 0) {
        paragraphs.push_back(
            PassedOverParagraph("オンライン専用 (中身がクラウドなどにだけある) のため、読まずに飛ばしました。"
                                "読むには設定画面の「オンライン専用も読む」をオンにしてください。",
                                std::move(onlineFiles_.names), onlineFiles_.count));
    }
    notDiskFiles_ = PassedOver();
    onlineFiles_ = PassedOver();
    Text notice;
    for (const Text& paragraph : paragraphs)
        notice += (notice.empty() ? "" : "\r\n\r\n") + paragraph;
    return notice;
}
