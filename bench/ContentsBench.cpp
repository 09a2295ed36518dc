// Counting the lines of a 200 MiB file of CR LF lines under Wine with the contents reader in count mode, and
// for comparison in all-lines mode into a view that drops the lines. contents_bench.sh beside this file runs
// it and the system's native `wc -l` on the same file, and prints the ratio of the medians (target at most
// 3).
//
// contents_bench [folder [runs]]   The file is made in folder (default %TEMP%\rcb) on the first run and
// reused. The last line of the output is "count-mode-median SECONDS".
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "bench/BenchTree.h"
#include "bench/QuietView.h"
#include "collect/FileContentsReader.h"
#include "platform/win32/Handles.h"
#include "platform/win32/Win32FileReader.h"
#include "platform/win32/Win32Locale.h"

namespace {

constexpr std::uint64_t kFileBytes = 200ull * 1024 * 1024;

class NullView : public QuietView {
public:
    OptionSnapshot options;

    OptionSnapshot ReadOptions() override { return options; }
    void AppendLine(const Text& line) override { last = line; }
    void AppendLines(const std::vector<Text>& lines) override { appended += lines.size(); }

    Text last;
    std::size_t appended = 0;
};

// Lines of 0 to 120 bytes, a third of them Japanese (with second bytes of 0x5C), some blank; each ends in CR
// LF. Returns the number of lines, or -1 when the file cannot be written.
long long MakeFile(const Text& path) {
    const Text marker = path + ".lines";
    if (const FileHandle old{
            CreateFileA(marker.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr)}) {
        char digits[32] = {};
        DWORD got = 0;
        ReadFile(old.Get(), digits, sizeof digits - 1, &got, nullptr);
        return std::atoll(digits);
    }
    std::printf("making %llu bytes in %s ...\n", static_cast<unsigned long long>(kFileBytes), path.c_str());
    const FileHandle file(
        CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return -1;
    static const char* const kWords[] = {"表計算", "ソフト", "能力", "予定表",
                                         "資料",   "text",   "line", "data"};
    Text chunk;
    std::uint64_t written = 0;
    long long lines = 0;
    unsigned seed = 12345;
    while (written < kFileBytes) {
        seed = seed * 1103515245 + 12345;
        const unsigned length = (seed >> 16) % 121;
        Text line;
        if (length % 17 == 0) {
            line = Text(length % 5, ' ');
        } else {
            for (unsigned pick = seed; line.size() < length;) {
                pick = pick * 1103515245 + 12345;
                line += kWords[(pick >> 16) % 8];
                line += ' ';
            }
        }
        chunk += line + "\r\n";
        ++lines;
        if (chunk.size() >= (1 << 20) || written + chunk.size() >= kFileBytes) {
            DWORD done = 0;
            if (!WriteFile(file.Get(), chunk.data(), static_cast<DWORD>(chunk.size()), &done, nullptr))
                return -1;
            written += chunk.size();
            chunk.clear();
        }
    }
    const FileHandle count(CreateFileA(marker.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
    const std::string digits = std::to_string(lines);
    DWORD done = 0;
    WriteFile(count.Get(), digits.data(), static_cast<DWORD>(digits.size()), &done, nullptr);
    return lines;
}

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
    const Text path = folder + "\\lines.txt";
    const long long lines = MakeFile(path);
    if (lines < 0) {
        std::printf("cannot make %s\n", path.c_str());
        return 1;
    }
    Win32FileReader files;
    Win32Locale locale;
    NullView view;
    DropState state(locale);
    FileContentsReader reader(state, view, files);

    std::vector<double> count, all;
    long long counted = 0;
    std::size_t appended = 0;
    for (int run = 0; run < runs; ++run) {
        view.options.RdoLineCnt = true;
        view.options.RdoLineAll = false;
        count.push_back(Seconds([&] { reader.AddFileContents(path); }));
        counted = CountOf(view.last);
        view.options.RdoLineCnt = false;
        view.options.RdoLineAll = true;
        view.appended = 0;
        all.push_back(Seconds([&] { reader.AddFileContents(path); }));
        appended = view.appended;
        std::printf("run %d: count mode %.3f s, all lines %.3f s\n", run + 1, count.back(), all.back());
    }
    std::printf("lines: made %lld, count mode %lld, all lines %zu\n", lines, counted, appended);
    std::printf("median all lines into a view that drops them: %.3f s\n", Median(all));
    std::printf("count-mode-median %.3f\n", Median(count));
    return counted == lines && appended == static_cast<std::size_t>(lines) ? 0 : 1;
}
