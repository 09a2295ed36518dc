// Counting the lines of a 200 MiB file of CR LF lines under Wine with the contents reader in count mode, and
// for comparison in all-lines mode into a view that drops the lines. contents_bench.sh beside this file runs
// it and the system's native `wc -l` on the same file, and prints the ratio of the medians.
//
// contents_bench [folder [runs [sjis|utf8|utf16]]]   The file, lines-ENCODING.txt, is made in folder (default
// %TEMP%\rcb) on the first run and reused. The last line of the output is "count-mode-median SECONDS".
#include <windows.h>

#include <algorithm>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "bench/BenchFiles.h"
#include "bench/BenchTree.h"
#include "bench/QuietView.h"
#include "collect/FileContentsReader.h"
#include "platform/win32/Win32Collation.h"
#include "platform/win32/Win32FileReader.h"

namespace {

constexpr std::uint64_t kFileBytes = 200ull * 1024 * 1024;

class CountingView : public QuietView {
public:
    OptionSnapshot options;

    OptionSnapshot ReadOptions() override { return options; }
    void AppendLine(const Text& line) override { last = line; }
    void AppendLines(const std::vector<Text>& lines) override {
        appended += lines.size();
        if (!lines.empty()) last = lines.back();
    }

    Text last;
    std::size_t appended = 0;
};

// The count line's number: the digits before the kanji.
long long CountOf(const Text& countLine) {
    return std::atoll(countLine.c_str());
}

}  // namespace

int main(int argc, char** argv) {
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    const Text folder = argc > 1 ? Text(argv[1]) : Text(temp) + "rcb";
    const int runs = argc > 2 ? std::max(1, std::atoi(argv[2])) : 5;
    CreateDirectoryA(folder.c_str(), nullptr);
    // With a number of lines, the scale check: a file of that many lines, in count mode only.
    const Text third = argc > 3 ? Text(argv[3]) : Text("sjis");
    const long long scaleLines = std::atoll(third.c_str());
    const LinesEncoding encoding = third == "utf8"    ? LinesEncoding::Utf8
                                   : third == "utf16" ? LinesEncoding::Utf16
                                                      : LinesEncoding::ShiftJis;
    const Text path = folder + (scaleLines > 0 ? "\\lines" + std::to_string(scaleLines) + ".txt"
                                               : "\\lines-" + third + ".txt");
    const long long lines = scaleLines > 0 ? MakeLinesFile(path, ULLONG_MAX, scaleLines)
                                           : MakeLinesFile(path, kFileBytes, LLONG_MAX, encoding);
    if (lines < 0) {
        std::printf("cannot make %s\n", path.c_str());
        return 1;
    }
    Win32FileReader files;
    Win32Collation locale{LetterCase::kIgnored};
    CountingView view;
    DropState state(locale);
    FileContentsReader reader(state, view, files);

    // Where the time goes: reading the blocks alone, with nothing looked at.
    std::unique_ptr<char[]> block(new char[FileContentsReader::kBlockBytes]);
    auto readOnly = [&] {
        const FileReader::OpenResult opened = files.Open(path);
        if (!opened.file) return;
        while (opened.file->Read(block.get(), FileContentsReader::kBlockBytes).bytes > 0) {
        }
    };
    std::vector<double> count, all, read;
    long long counted = 0;
    std::size_t appended = 0;
    for (int run = 0; run < runs; ++run) {
        view.options.countLines = true;
        view.options.allLines = false;
        read.push_back(Seconds(readOnly));
        // The count line waits in the reader until the drop's end, as it does in a drop.
        count.push_back(Seconds([&] {
            reader.AddFileContents(path);
            reader.WriteHeldLines();
        }));
        counted = CountOf(view.last);
        if (scaleLines > 0) {
            std::printf("run %d: count mode %.3f s, %lld lines, peak working set %.1f MiB\n", run + 1,
                        count.back(), counted, PeakMiB());
            continue;
        }
        view.options.countLines = false;
        view.options.allLines = true;
        view.appended = 0;
        all.push_back(Seconds([&] { reader.AddFileContents(path); }));
        appended = view.appended;
        std::printf("run %d: count mode %.3f s, all lines %.3f s\n", run + 1, count.back(), all.back());
    }
    if (scaleLines > 0) {
        std::printf("median count mode over %lld lines: %.3f s\n", lines, Median(count));
        return counted == lines ? 0 : 1;
    }
    std::printf("lines: made %lld, count mode %lld, all lines %zu\n", lines, counted, appended);
    std::printf("median all lines into a view that drops them: %.3f s\n", Median(all));
    std::printf("median reading the blocks alone: %.3f s\n", Median(read));
    std::printf("count-mode-median %.3f\n", Median(count));
    return counted == lines && appended == static_cast<std::size_t>(lines) ? 0 : 1;
}
