#include "collect/FileLines.h"

#include <algorithm>
#include <cstring>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "collect/FileContentsReader.h"
#include "collect/FileEncoding.h"
#include "collect/LineCounter.h"
#include "collect/LineSplitter.h"
#include "collect/LineUnits.h"
#include "platform/Encoding.h"
#include "text/ShiftJisBytes.h"

namespace {

Text Percentage(std::uint64_t bytes, std::uint64_t size) {
    // A file that was empty when its entry was read may have grown since.
    if (size == 0) return "0%";
    return std::to_string(bytes * 100 / size) + "%";
}

// Each encoding makes the bytes of a line fit to be decoded with the lines around it and handed to the text
// area, and decodes a batch of lines, each followed by its kStop, into lines of Text each followed by a CR.
// A NUL is shown as a space, or it would end the text there and lose the rest of the line and every line
// after it. The cut of an over-long line parts no character. Either way the text area holds what is shown,
// so the clipboard and a saved file agree with it.
struct ShiftJisLines {
    static void MakeShowable(std::string& line, bool cut) {
        if (cut) line.resize(ShiftJisCut(line, line.size()));
        std::replace(line.begin(), line.end(), '\0', ' ');
    }

    // A byte the code page leaves undefined, a lead byte alone at the line's end among them, comes through
    // as itself (TextFromShiftJisFile), so that the line end after it stays one.
    static Text Decode(std::string_view bytes) { return TextFromShiftJisFile(bytes); }
};

// A sequence broken off at the line's end decodes to U+FFFD and leaves the CR after it alone.
struct Utf8Lines {
    static void MakeShowable(std::string& line, bool cut) {
        if (cut) {
            // Back over the continuation bytes at the end to the byte that leads them; a sequence longer than
            // what is left of it goes whole.
            std::size_t start = line.size();
            while (start > 0 && line.size() - start < 3 &&
                   (static_cast<unsigned char>(line[start - 1]) & 0xC0) == 0x80)
                --start;
            if (start > 0 &&
                Utf8SequenceLength(static_cast<unsigned char>(line[start - 1])) > line.size() - start + 1)
                line.resize(start - 1);
        }
        std::replace(line.begin(), line.end(), '\0', ' ');
    }

    static Text Decode(std::string_view bytes) { return TextFromUtf8File(bytes); }
};

// A character broken off at the line's end decodes to U+FFFD and leaves the CR after it alone.
struct EucJpLines {
    static void MakeShowable(std::string& line, bool cut) {
        if (cut) {
            std::size_t at = 0;
            while (at < line.size()) {
                const std::size_t width = std::max<std::size_t>(EucJpCharacterAt(line, at).bytes, 1);
                if (at + width > line.size()) break;
                at += width;
            }
            line.resize(at);
        }
        std::replace(line.begin(), line.end(), '\0', ' ');
    }

    static Text Decode(std::string_view bytes) { return TextFromEucJpFile(bytes); }
};

// The lines of a file split in bytes: Shift_JIS, UTF-8 or EUC-JP, which all read ASCII alike. Without a byte
// order mark the encoding is unknown until lines show a byte beyond ASCII: Settle decides from the lines
// about to be decoded (or a line about to be cut) at the first that hold one, so that every line decoded
// or cut before was ASCII, which every choice reads alike. Looking costs one pass over the lines up to there.
class ByteLines {
public:
    using Units = ByteUnits;
    static constexpr std::string_view kStop{"\r", 1};

    explicit ByteLines(std::optional<FileEncoding> encoding) : encoding_(encoding) {}

    void Settle(std::string_view lines, bool whole) {
        if (!encoding_) encoding_ = EncodingByEvidence(lines, whole);
    }

    void MakeShowable(std::string& line, bool cut) const {
        switch (Encoding()) {
            case FileEncoding::Utf8:
                return Utf8Lines::MakeShowable(line, cut);
            case FileEncoding::EucJp:
                return EucJpLines::MakeShowable(line, cut);
            default:
                return ShiftJisLines::MakeShowable(line, cut);
        }
    }

    Text Decode(std::string_view bytes) const {
        switch (Encoding()) {
            case FileEncoding::Utf8:
                return Utf8Lines::Decode(bytes);
            case FileEncoding::EucJp:
                return EucJpLines::Decode(bytes);
            default:
                return ShiftJisLines::Decode(bytes);
        }
    }

private:
    FileEncoding Encoding() const { return encoding_.value_or(FileEncoding::ShiftJis); }

    std::optional<FileEncoding> encoding_;
};

// An unpaired surrogate at the line's end decodes to U+FFFD and leaves the CR after it alone.
template <bool BigEndian>
struct Utf16Lines {
    using Units = Utf16Units<BigEndian>;
    static constexpr std::string_view kStop =
        BigEndian ? std::string_view{"\0\r", 2} : std::string_view{"\r\0", 2};

    static void MakeShowable(std::string& line, bool cut) {
        if (cut && line.size() >= 2) {
            const unsigned last = Units::At(line.data() + line.size() - 2);
            if (last >= 0xD800 && last < 0xDC00) line.resize(line.size() - 2);
        }
        for (std::size_t i = 0; i + 1 < line.size(); i += 2) {
            if (Units::At(line.data() + i) == 0) line[i + (BigEndian ? 1 : 0)] = ' ';
        }
    }

    static Text Decode(std::string_view bytes) { return TextFromUtf16File(bytes, BigEndian); }

    // The byte order mark told the encoding.
    void Settle(std::string_view, bool) {}
};

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
// (cut to the longest line it takes) and decodes them a batch at a time, one conversion a batch, and reports
// progress.
template <typename Lines>
class LineTally {
public:
    using Units = typename Lines::Units;

    LineTally(Lines& lines, ReadProgress& progress, View& view, const LineReading& reading)
        : lines_(lines),
          progress_(progress),
          view_(view),
          skipBlank_(reading.skipBlank),
          countOnly_(reading.countOnly),
          heading_(reading.heading) {}

    void Bytes(const char* data, std::size_t size) {
        length_ += size;
        // Blank means nothing above 0x20 is left after trimming both ends; the full-width space is no blank.
        for (const char* p = data; skipBlank_ && !printable_ && p < data + size; p += Units::kBytes)
            printable_ = Units::At(p) > 0x20;
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
                if (cut) {
                    lines_.Settle(pending_, true);
                    lines_.Settle(line_, false);
                }
                lines_.MakeShowable(line_, cut);
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

    // Hands the lines kept to the text area, after the heading the first time, followed by mark when there is
    // one.
    void Flush(const Text& mark = Text()) {
        if (pendingLines_ == 0 && mark.empty() && heading_.empty()) return;
        std::vector<Text> lines = std::move(heading_);
        heading_.clear();
        lines.reserve(lines.size() + pendingLines_ + 1);
        lines_.Settle(pending_, true);
        const Text text = lines_.Decode(pending_);
        pending_.clear();
        pendingLines_ = 0;
        for (std::size_t from = 0; from < text.size();) {
            const std::size_t stop = std::min(text.find('\r', from), text.size());
            lines.emplace_back(text, from, stop - from);
            from = stop + 1;
        }
        if (!mark.empty()) lines.push_back(mark);
        view_.AppendLines(lines);
    }

private:
    void Keep(const std::string& line) {
        pending_ += line;
        pending_ += Lines::kStop;
        if (++pendingLines_ >= FileContentsReader::kBatchLines ||
            pending_.size() >= FileContentsReader::kBatchBytes)
            Flush();
    }

    Lines& lines_;
    ReadProgress& progress_;
    View& view_;
    const bool skipBlank_;
    const bool countOnly_;
    std::vector<Text> heading_;  // not yet written

    std::string line_;  // the file's bytes of the line being read, in all-lines mode, up to the longest line
    std::uint64_t length_ = 0;
    bool printable_ = false;
    bool cutLine_ = false;  // the line being read is longer than the longest line
    bool cutAny_ = false;   // a line of the file was cut

    std::int64_t count_ = 0;
    std::uint64_t bytes_ = 0;
    std::int32_t since_ = 0;

    std::string pending_;  // the file's bytes of the lines kept, each followed by kStop
    std::size_t pendingLines_ = 0;
};

// Hands a splitter whole units only: a unit that one read splits is put together with the next. An odd byte
// at the file's end is the start of a unit the file lost: it goes in as U+FFFD.
template <typename Units>
class WholeUnits {
public:
    template <typename Splitter, typename Sink>
    SplitStatus Feed(Splitter& splitter, const char* data, std::size_t size, Sink& sink) {
        if (held_ > 0 && size > 0) {
            const std::size_t take = std::min(Units::kBytes - held_, size);
            std::memcpy(unit_ + held_, data, take);
            held_ += take;
            data += take;
            size -= take;
            if (held_ < Units::kBytes) return SplitStatus::More;
            held_ = 0;
            const SplitStatus status = splitter.Feed(unit_, Units::kBytes, sink);
            if (status != SplitStatus::More) return status;
        }
        held_ = size % Units::kBytes;
        std::memcpy(unit_, data + size - held_, held_);
        return size > held_ ? splitter.Feed(data, size - held_, sink) : SplitStatus::More;
    }

    template <typename Splitter, typename Sink>
    void Finish(Splitter& splitter, Sink& sink) {
        if (held_ > 0) {
            char replacement[Units::kBytes];
            Units::Put(replacement, 0xFFFD);
            held_ = 0;
            if (splitter.Feed(replacement, Units::kBytes, sink) != SplitStatus::More) return;
        }
        splitter.Finish(sink);
    }

private:
    char unit_[Units::kBytes] = {};
    std::size_t held_ = 0;
};

// The first block of a file, read whole however the reads come, so that the encoding is told from as much
// as there is.
struct FirstBlock {
    std::size_t bytes = 0;
    bool ended = false;  // the file ended within it
    std::optional<std::uint32_t> error;
};

FirstBlock ReadFirstBlock(SequentialFile& file, char* block) {
    FirstBlock first;
    while (first.bytes < FileContentsReader::kBlockBytes) {
        const SequentialFile::ReadResult got =
            file.Read(block + first.bytes, FileContentsReader::kBlockBytes - first.bytes);
        if (got.failed) {
            first.error = got.error;
            break;
        }
        if (got.bytes == 0) {
            first.ended = true;
            break;
        }
        first.bytes += got.bytes;
    }
    return first;
}

// Reads the file to its end, to an abort, or to a failing read, whose error code it returns, starting with
// the first block, whose first skip bytes are no part of the text. The splitter takes the blocks
// (BasicLineSplitter or BasicLineCounter) and hands what it finds to sink. An abort between two blocks ends
// the file there: a line it cuts short is taken as read so far, as at the file's end.
template <typename Units, typename Splitter, typename Sink>
std::optional<std::uint32_t> ReadLines(SequentialFile& file, char* block, const FirstBlock& first,
                                       std::size_t skip, Splitter& splitter, Sink& sink,
                                       ReadProgress& progress) {
    WholeUnits<Units> units;
    SequentialFile::ReadResult got{first.bytes, first.error.has_value(), first.error.value_or(0)};
    bool ended = first.ended;
    for (;;) {
        if (got.bytes > 0) {
            progress.Read(got.bytes);
            if (units.Feed(splitter, block + skip, got.bytes - skip, sink) != SplitStatus::More)
                return std::nullopt;
        }
        if (got.failed) return got.error;
        if (ended) {
            units.Finish(splitter, sink);
            return std::nullopt;
        }
        if (!progress.Split()) {
            splitter.Finish(sink);
            return std::nullopt;
        }
        skip = 0;
        got = file.Read(block, FileContentsReader::kBlockBytes);
        ended = !got.failed && got.bytes == 0;
    }
}

// Reads the lines as lines decodes them, starting with the first block.
template <typename Lines>
LinesRead ReadIn(Lines lines, SequentialFile& file, char* block, const FirstBlock& first, std::size_t skip,
                 std::uint64_t size, const LineReading& reading, DropState& state, View& view) {
    using Units = typename Lines::Units;
    ReadProgress progress(state, view, size);
    LinesRead read;
    // Counting alone, with no blank line to leave out, needs to look at nothing but the line ends, which
    // every encoding of a kind of units puts alike.
    if (reading.countOnly && !reading.skipBlank) {
        BasicLineCounter<Units> counter(FileContentsReader::kReportInterval + 1);
        auto report = [&] { return progress.Report(counter.Bytes()); };
        read.error = ReadLines<Units>(file, block, first, skip, counter, report, progress);
        read.count = counter.Count();
        return read;
    }
    LineTally<Lines> tally(lines, progress, view, reading);
    BasicLineSplitter<Units> splitter;
    read.error = ReadLines<Units>(file, block, first, skip, splitter, tally, progress);
    read.count = tally.Count();
    read.cut = tally.Cut();
    if (!reading.countOnly) {
        // What was read before a failure stays, without the abort mark.
        tally.Flush(state.FAbort && !read.error ? Text("[中断]") : Text());
    }
    return read;
}

}  // namespace

LinesRead ReadFileLines(SequentialFile& file, char* block, std::uint64_t size, const LineReading& reading,
                        DropState& state, View& view) {
    // After an abort nothing more is read.
    if (state.FAbort) {
        if (!reading.countOnly) {
            std::vector<Text> lines = reading.heading;
            lines.push_back("[中断]");
            view.AppendLines(lines);
        }
        return LinesRead();
    }
    const FirstBlock first = ReadFirstBlock(file, block);
    const auto read = [&](auto lines, std::size_t skip) {
        return ReadIn(lines, file, block, first, skip, size, reading, state, view);
    };
    if (reading.encoding == ContentsEncoding::ShiftJis) return read(ByteLines(FileEncoding::ShiftJis), 0);
    const std::optional<DetectedEncoding> marked = EncodingByMark(std::string_view(block, first.bytes));
    if (marked && marked->encoding == FileEncoding::Utf16Le)
        return read(Utf16Lines<false>{}, marked->markBytes);
    if (marked && marked->encoding == FileEncoding::Utf16Be)
        return read(Utf16Lines<true>{}, marked->markBytes);
    if (marked) return read(ByteLines(marked->encoding), marked->markBytes);
    // Without a mark the lines tell, as they are decoded; lines that are only counted are never decoded.
    return read(ByteLines(reading.countOnly ? std::optional(FileEncoding::ShiftJis) : std::nullopt), 0);
}
