#include "collect/FileContentsReader.h"

#include <algorithm>
#include <limits>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "collect/FileLines.h"
#include "text/AppError.h"
#include "text/NumberField.h"

namespace {

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
    return (attributes & (FileAttr::RecallOnDataAccess | FileAttr::RecallOnOpen | FileAttr::Offline)) != 0;
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
        case 19:
            return "ディスクが書き込み禁止です";
        case 32:
            return "ほかのプログラムがファイルを使用中のため開けません";
        case 33:
            return "ほかのプログラムがファイルの一部をロックしているため読めません";
        case 39:
        case 112:
            return "ディスクの空き領域が足りません";
        case 80:
        case 183:
            return "同じ名前のファイルがあります";
        case 100:
            return "ファイルの末尾以降を読み込みました";
        case 101:
            return "ディスクがいっぱいです";
        case 106:
            return "入力値が数値ではありません";
        case 206:
            return "ファイル名が長すぎます";
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
    LineReading reading{options.countLines, options.skipBlankLines, state_.FContentsEncoding, {}};
    if (!options.countLines && state_.FContentsHeadings) {
        if (headedFiles_++ > 0) reading.heading.emplace_back();
        reading.heading.push_back("■ " + shown);
    }
    const LinesRead read = ReadFileLines(*opened.file, block_.get(), *size, reading, state_, view_);
    opened.file.reset();
    if (read.cut && cuts_++ == 0) firstCut_ = path;
    if (read.error) throw IoFailure(path, *read.error);
    const std::int64_t count = read.count;
    if (options.countLines) {
        countLines_.push_back(FormatNumbers("%10d%", {count}) + (state_.FAbort ? "行:[中断]" : "行:") +
                              shown);
        if (countLines_.size() >= countBatch_) WriteCountLines();
        // The running total is 32 bits wide; it stops at its largest value rather than wrap.
        const std::int64_t total = static_cast<std::int64_t>(state_.FTotalLines) + count;
        state_.FTotalLines = static_cast<std::int32_t>(
            std::min<std::int64_t>(total, std::numeric_limits<std::int32_t>::max()));
    }
}

void FileContentsReader::WriteHeldLines() {
    // A file expected and never taken (the walk was aborted or failed) is not kept for the next drop, which
    // reads what the file holds then.
    ahead_.Forget();
    WriteCountLines();
    countBatch_ = kFirstCountBatch;
    countLinesWritten_ = 0;
    headedFiles_ = 0;
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

Text FileContentsReader::TakeDropNotice() {
    std::vector<Text> paragraphs;
    if (cuts_ > 0) {
        const std::size_t others = std::exchange(cuts_, 0) - 1;
        const Text which =
            others == 0 ? Text("このファイル") : "このファイルほか " + std::to_string(others) + " ファイル";
        paragraphs.push_back(std::exchange(firstCut_, Text()) + "\r\n" + which + "の長すぎる行を " +
                             std::to_string(kLongestLine) + " バイトで切り詰めました。");
    }
    paragraphs.push_back(notDiskFiles_.TakeParagraph(
        "ファイル",
        "ディスク上のファイルではなく、デバイス (COM1、AUX、NUL など) やパイプとして開かれたため、"
        "読まずに飛ばしました。"));
    paragraphs.push_back(onlineFiles_.TakeParagraph(
        "ファイル",
        "オンライン専用 (中身がクラウドなどにだけある) のため、読まずに飛ばしました。"
        "読むには設定画面の「オンライン専用も読む」をオンにしてください。"));
    return JoinParagraphs(paragraphs);
}
