// The contents reader and its line splitter over a file whose reads are cut at fuzzed sizes, with a fuzzed
// failing read and a fuzzed abort, in both output modes with and without blank lines, in Shift_JIS and behind
// the byte order marks of UTF-8 and UTF-16 of both byte orders: the lines counted and written are a plain
// model's, unit for unit but for what the text area cannot show.
#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <memory>
#include <optional>
#include <vector>

#include "collect/FileContentsReader.h"
#include "platform/Encoding.h"
#include "tests/fakes/FakeCollation.h"
#include "tests/fuzz/FuzzSupport.h"
#include "text/AppError.h"
#include "text/ShiftJisBytes.h"

namespace {

const Text kPath = "C:\\f.txt";
constexpr std::size_t kPumpLines = FileContentsReader::kReportInterval + 1;

struct FileCase {
    Text contents;
    std::vector<std::size_t> cuts;      // the most bytes each read delivers, in turn, over and over
    std::optional<std::size_t> failAt;  // a read fails once this many bytes were delivered
    std::uint32_t error = 0;
    std::uint64_t reportedSize = 0;
};

class CutReading : public SequentialFile {
public:
    explicit CutReading(const FileCase& file) : file_(file) {}

    ReadResult Read(char* buffer, std::size_t capacity) override {
        ReadResult result;
        if (file_.failAt && position_ >= *file_.failAt) {
            result.failed = true;
            result.error = file_.error;
            return result;
        }
        const std::size_t end = std::min(file_.contents.size(), file_.failAt.value_or(file_.contents.size()));
        const std::size_t cut = file_.cuts[reads_++ % file_.cuts.size()];
        result.bytes = std::min({capacity, cut, end - position_});
        std::memcpy(buffer, file_.contents.data() + position_, result.bytes);
        position_ += result.bytes;
        return result;
    }

private:
    const FileCase& file_;
    std::size_t position_ = 0;
    std::size_t reads_ = 0;
};

class OneFile : public FileReader {
public:
    explicit OneFile(const FileCase& file) : file_(file) {}

    bool Exists(const Text& path) override { return path == kPath; }
    std::optional<EntryFacts> PlainFileFacts(const Text&) override {
        EntryFacts facts;
        facts.size = file_.reportedSize;
        return facts;
    }
    OpenResult Open(const Text&) override { return {std::make_unique<CutReading>(file_), 0}; }

private:
    const FileCase& file_;
};

struct Outcome {
    std::vector<Text> lines;  // counted lines, in order
    bool failed = false;
    bool aborted = false;
};

// How the fuzzed bytes are read: after a byte order mark, in units of one or two bytes.
struct Encoding {
    Text mark;
    std::size_t unitBytes = 1;
    bool bigEndian = false;
};

const Encoding kEncodings[] = {
    {"", 1, false}, {"\xEF\xBB\xBF", 1, false}, {"\xFF\xFE", 2, false}, {"\xFE\xFF", 2, true}};

// The file's units after its mark: a last odd byte stands for U+FFFD.
class Units {
public:
    Units(const Text& bytes, const Encoding& encoding) : bytes_(bytes), e_(encoding) {}

    std::size_t Count() const { return (bytes_.size() - e_.mark.size() + e_.unitBytes - 1) / e_.unitBytes; }
    std::size_t Start(std::size_t i) const { return e_.mark.size() + i * e_.unitBytes; }
    unsigned At(std::size_t i) const {
        if (e_.unitBytes == 1) return static_cast<unsigned char>(bytes_[Start(i)]);
        if (Start(i) + 1 >= bytes_.size()) return 0xFFFD;
        const auto first = static_cast<unsigned char>(bytes_[Start(i)]);
        const auto second = static_cast<unsigned char>(bytes_[Start(i) + 1]);
        return e_.bigEndian ? (first << 8 | second) : (second << 8 | first);
    }
    // The last byte that must have been delivered for unit i (the end of the file for i == Count()).
    std::size_t Needed(std::size_t i) const {
        return i < Count() ? std::min(Start(i + 1), bytes_.size()) - 1 : bytes_.size();
    }

private:
    const Text& bytes_;
    const Encoding& e_;
};

// The file's lines, one at a time: a line ends at CR, an LF right after it belongs to the line end, the first
// 0x1A ends the file. Each line is taken only once the read that delivers its end has succeeded: its CR, or
// for the last line the 0x1A or the end of the file.
Outcome Model(const FileCase& file, const Encoding& encoding, bool skipBlank,
              std::optional<std::size_t> abortAtPump) {
    Outcome out;
    if (abortAtPump == 0u) {
        out.aborted = true;
        return out;
    }
    const Units units(file.contents, encoding);
    const std::size_t n = units.Count();
    std::size_t stop = 0;
    while (stop < n && units.At(stop) != 0x1A)
        ++stop;
    const std::size_t delivered = file.failAt.value_or(std::numeric_limits<std::size_t>::max());
    std::size_t start = 0;
    while (start < stop) {
        std::size_t cr = start;
        while (cr < stop && units.At(cr) != '\r')
            ++cr;
        if (units.Needed(cr) >= delivered) break;
        bool blank = true;
        for (std::size_t i = start; i < cr; ++i)
            blank = blank && units.At(i) <= 0x20;
        const std::size_t from = units.Start(start);
        const Text line = file.contents.substr(from, std::min(units.Start(cr), file.contents.size()) - from);
        start = cr + 1;
        if (cr < stop && start < stop && units.At(start) == '\n') ++start;
        if (skipBlank && blank) continue;
        out.lines.push_back(line);
        if (abortAtPump && out.lines.size() == *abortAtPump * kPumpLines) {
            out.aborted = true;
            return out;
        }
    }
    out.failed = delivered <= units.Needed(stop);
    return out;
}

// A line of file bytes as shown: each NUL a space, then decoded on its own; in Shift_JIS a lead byte that
// ends the line without its second byte is carried as itself.
Text Shown(const std::string& line, const Encoding& encoding) {
    std::string bytes = line;
    if (encoding.unitBytes == 2) {
        for (std::size_t i = 0; i + 1 < bytes.size(); i += 2)
            if (bytes[i] == '\0' && bytes[i + 1] == '\0') bytes[i + (encoding.bigEndian ? 1 : 0)] = ' ';
        return TextFromUtf16File(bytes, encoding.bigEndian);
    }
    std::replace(bytes.begin(), bytes.end(), '\0', ' ');
    if (!encoding.mark.empty()) return TextFromUtf8File(bytes);
    return TextFromShiftJisFile(bytes);
}

std::int64_t LeadingNumber(const Text& line) {
    return std::strtoll(line.c_str(), nullptr, 10);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider provider(data, size);
    const Encoding& encoding = kEncodings[provider.ConsumeIntegralInRange<std::size_t>(0, 3)];
    const bool countMode = provider.ConsumeBool();
    const bool skipBlank = provider.ConsumeBool();
    FileCase file;
    const std::size_t cutCount = provider.ConsumeIntegralInRange<std::size_t>(1, 4);
    for (std::size_t i = 0; i < cutCount; ++i)
        file.cuts.push_back(provider.ConsumeIntegralInRange<std::size_t>(1, 300));
    if (provider.ConsumeBool()) file.failAt = provider.ConsumeIntegral<std::uint16_t>();
    file.error = provider.ConsumeIntegral<std::uint32_t>();
    std::optional<std::size_t> abortAtPump;
    if (provider.ConsumeBool()) abortAtPump = provider.ConsumeIntegralInRange<std::size_t>(0, 3);
    file.reportedSize = provider.ConsumeBool() ? provider.ConsumeIntegral<std::uint16_t>() : 0;
    file.contents = encoding.mark + provider.ConsumeRemainingBytesAsString();

    FakeCollation locale{LetterCase::kIgnored};
    DropState state(locale);
    LinesView view;
    view.options.fullPath = false;
    view.options.contents = true;
    view.options.countLines = countMode;
    view.options.allLines = !countMode;
    view.options.skipBlankLines = skipBlank;
    view.onPump = [&](int pump) {
        if (abortAtPump && static_cast<std::size_t>(pump) == *abortAtPump) state.FAbort = true;
    };
    state.FAbort = abortAtPump == 0u;
    state.FTotalLines = 7;
    state.FContentsEncoding = encoding.mark.empty() ? ContentsEncoding::ShiftJis : ContentsEncoding::Detect;
    OneFile files(file);
    FileContentsReader reader(state, view, files);

    bool failed = false;
    try {
        reader.AddFileContents(kPath);
    } catch (const AppError&) {
        failed = true;
    }
    // As the drop handler does when the walk has ended: count lines wait until then.
    reader.WriteHeldLines();
    const Outcome model = Model(file, encoding, skipBlank, abortAtPump);
    Check(failed == model.failed);
    Check(view.suspended == 0);
    Check(view.pumps == static_cast<int>(model.lines.size() / kPumpLines));
    Check(!view.panels[2].empty() && view.panels[2].back() == '%');

    if (countMode) {
        if (failed) {
            Check(view.lines.empty() && state.FTotalLines == 7);
        } else {
            Check(view.lines.size() == 1);
            Check(LeadingNumber(view.lines[0]) == static_cast<std::int64_t>(model.lines.size()));
            Check(state.FTotalLines == 7 + static_cast<std::int64_t>(model.lines.size()));
        }
        return 0;
    }
    const bool marked = model.aborted && !failed;
    Check(view.lines.size() == model.lines.size() + (marked ? 1 : 0));
    for (std::size_t i = 0; i < model.lines.size(); ++i)
        Check(view.lines[i] == Shown(model.lines[i], encoding));
    Check(state.FTotalLines == 7);
    return 0;
}
