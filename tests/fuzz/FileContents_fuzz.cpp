// The contents reader and its line splitter over a file whose reads are cut at fuzzed sizes, with a fuzzed
// failing read and a fuzzed abort, in both output modes with and without blank lines: the lines counted and
// written are a plain model's, byte for byte but for what the text area cannot show.
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

// The file's lines, one at a time: a line ends at CR, an LF right after it belongs to the line end, the first
// 0x1A ends the file. Each line is taken only once the read that delivers its end has succeeded: its CR, or
// for the last line the 0x1A or the end of the file.
Outcome Model(const FileCase& file, bool skipBlank, std::optional<std::size_t> abortAtPump) {
    Outcome out;
    if (abortAtPump == 0u) {
        out.aborted = true;
        return out;
    }
    const Text& bytes = file.contents;
    const std::size_t stop = std::min(bytes.find('\x1A'), bytes.size());
    const std::size_t delivered = file.failAt.value_or(std::numeric_limits<std::size_t>::max());
    std::size_t start = 0;
    while (start < stop) {
        const std::size_t cr = std::min(bytes.find('\r', start), stop);
        if (cr >= delivered) break;
        const Text line = bytes.substr(start, cr - start);
        start = cr + 1;
        if (cr < stop && start < stop && bytes[start] == '\n') ++start;
        const bool blank = std::all_of(line.begin(), line.end(),
                                       [](char c) { return static_cast<unsigned char>(c) <= 0x20; });
        if (skipBlank && blank) continue;
        out.lines.push_back(line);
        if (abortAtPump && out.lines.size() == *abortAtPump * kPumpLines) {
            out.aborted = true;
            return out;
        }
    }
    out.failed = delivered <= stop;
    return out;
}

// A line of file bytes as shown: each NUL a space and a lead byte that ends the line without its second byte
// a "?", then decoded from Shift_JIS on its own.
Text Shown(const std::string& line) {
    std::string bytes = line;
    bool lead = false;
    for (std::size_t i = 0; i < line.size(); ++i) {
        const bool lone = i + 1 == line.size() && !lead && IsKanjiLead(static_cast<unsigned char>(line[i]));
        if (line[i] == '\0') bytes[i] = ' ';
        if (lone) bytes[i] = '?';
        lead = !lead && IsKanjiLead(static_cast<unsigned char>(line[i]));
    }
    return TextFromShiftJis(bytes);
}

std::int64_t LeadingNumber(const Text& line) {
    return std::strtoll(line.c_str(), nullptr, 10);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider provider(data, size);
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
    file.contents = provider.ConsumeRemainingBytesAsString();

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
    const Outcome model = Model(file, skipBlank, abortAtPump);
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
        Check(view.lines[i] == Shown(model.lines[i]));
    Check(state.FTotalLines == 7);
    return 0;
}
