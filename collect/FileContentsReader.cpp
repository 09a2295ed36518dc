#include "collect/FileContentsReader.h"

#include <algorithm>
#include <limits>
#include <string>
#include <utility>
#include <vector>

#include "collect/LineSplitter.h"
#include "text/AppError.h"
#include "text/NumberField.h"

namespace {

Text Percentage(std::uint64_t bytes, std::uint64_t size) {
    // A file that was empty when its entry was read may have grown since.
    if (size == 0) return "0%";
    return std::to_string(bytes * 100 / size) + "%";
}

// Pairs the text area's redraw suspension with its resumption, whichever way the reading ends.
class RedrawSuspension {
public:
    explicit RedrawSuspension(View& view) : view_(view) { view_.SuspendRedraw(); }
    RedrawSuspension(const RedrawSuspension&) = delete;
    RedrawSuspension& operator=(const RedrawSuspension&) = delete;
    ~RedrawSuspension() { view_.ResumeRedraw(); }

private:
    View& view_;
};

// Takes the lines of one file from the splitter: counts them, keeps them for the text area in all-lines mode,
// and reports progress.
class LineTally {
public:
    LineTally(DropState& state, View& view, const OptionSnapshot& options, std::uint64_t size)
        : state_(state),
          view_(view),
          skipBlank_(options.ChkNull),
          countOnly_(options.RdoLineCnt),
          size_(size) {
        if (!countOnly_) pending_.reserve(FileContentsReader::kBatchLines + 1);
    }

    void Bytes(const char* data, std::size_t size) {
        length_ += size;
        // Blank means nothing above 0x20 is left after trimming both ends; the full-width space is no blank.
        if (skipBlank_ && !printable_)
            printable_ =
                std::any_of(data, data + size, [](char c) { return static_cast<unsigned char>(c) > 0x20; });
        if (!countOnly_) line_.append(data, size);
    }

    bool End() {
        const bool skip = skipBlank_ && !printable_;
        const std::uint64_t length = std::exchange(length_, 0);
        printable_ = false;
        if (skip) {
            line_.clear();
        } else {
            if (!countOnly_) Keep(std::move(line_));
            line_.clear();
            bytes_ += length;
            ++count_;
            if (++since_ > FileContentsReader::kReportInterval) {
                since_ = 0;
                view_.SetStatusText(2, Percentage(bytes_, size_));
                view_.PumpMessages();
            }
        }
        return !state_.FAbort;
    }

    std::int64_t Count() const { return count_; }

    void Keep(Text line) {
        pendingBytes_ += line.size();
        pending_.push_back(std::move(line));
        if (pending_.size() >= FileContentsReader::kBatchLines ||
            pendingBytes_ >= FileContentsReader::kBatchBytes)
            Flush();
    }

    void Flush() {
        if (pending_.empty()) return;
        view_.AppendLines(pending_);
        pending_.clear();
        pendingBytes_ = 0;
    }

private:
    DropState& state_;
    View& view_;
    const bool skipBlank_;
    const bool countOnly_;
    const std::uint64_t size_;

    Text line_;  // the line being read, in all-lines mode
    std::uint64_t length_ = 0;
    bool printable_ = false;

    std::int64_t count_ = 0;
    std::uint64_t bytes_ = 0;
    std::int32_t since_ = 0;

    std::vector<Text> pending_;
    std::size_t pendingBytes_ = 0;
};

// Reads the file to its end, to an abort, or to a failing read, whose error code it returns (0 otherwise).
std::uint32_t ReadLines(SequentialFile& file, char* block, LineTally& tally, const DropState& state) {
    if (state.FAbort) return 0;
    LineSplitter splitter;
    for (;;) {
        const SequentialFile::ReadResult got = file.Read(block, FileContentsReader::kBlockBytes);
        if (got.error != 0) return got.error;
        if (got.bytes == 0) {
            splitter.Finish(tally);
            return 0;
        }
        if (splitter.Feed(block, got.bytes, tally) != LineSplitter::Status::More) return 0;
    }
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
    : state_(state), view_(view), files_(files), block_(new char[kBlockBytes]) {}

void FileContentsReader::AddFileContents(const Text& path) {
    if (!files_.Exists(path)) return;
    const std::optional<std::uint64_t> size = files_.PlainFileSize(path);
    if (!size) return;
    view_.SetStatusText(2, "0%");
    // The top panel is disabled while a drop runs, so the options read here hold for the whole file.
    const OptionSnapshot options = view_.ReadOptions();

    FileReader::OpenResult opened = files_.Open(path);
    if (!opened.file) throw AppError(IoErrorText(opened.error));

    const RedrawSuspension suspension(view_);
    LineTally tally(state_, view_, options, *size);
    const std::uint32_t readError = ReadLines(*opened.file, block_.get(), tally, state_);
    opened.file.reset();

    if (readError != 0) {
        // What was read before the failure stays; no count line and no abort mark.
        tally.Flush();
        throw AppError(IoErrorText(readError));
    }
    if (options.RdoLineCnt) {
        view_.AppendLine(FormatNumbers("%10d%", {tally.Count()}) + (state_.FAbort ? "行:[中断]" : "行:") +
                         path);
        // The running total is 32 bits wide; it stops at its largest value rather than wrap.
        const std::int64_t total = static_cast<std::int64_t>(state_.FTotalLines) + tally.Count();
        state_.FTotalLines = static_cast<std::int32_t>(
            std::min<std::int64_t>(total, std::numeric_limits<std::int32_t>::max()));
    } else {
        if (state_.FAbort) tally.Keep("[中断]");
        tally.Flush();
    }
}
