// The edit window's operations on 1,000,000 generated lines under Wine: "名昇順", "拡昇順", "重複削除" and
// "大文字", each run whole (read the lines, keep the undo copy, operate, write back) over a view that keeps
// the lines in memory. Peers, measured in the same run: std::sort of the same lines with CompareStringW at
// every comparison (each line made UTF-16 there, as the system's narrow call decoded it there), by whole line
// and by extension then whole line. Prints each median time, each peak memory and the ratio against the peer,
// in UTF-8, then "ratio NAME MEASURED TARGET" for 名昇順's time against its peer and its peak memory against
// that of the lines alone.
//
// edit_bench [lines [runs]]   Each measurement runs in a child process of its own, so that its peak memory
//                             is its own.
//
// edit_bench stretch [lines]  Every operation and 戻す over the lines, each from the same text: the longest
//                             stretch of the operations' own work without a message pump (the text area's
//                             calls, here copies in memory, left out), and the whole time.
// edit_bench textarea [lines] The real text area with the lines: one WM_GETTEXT; one WM_SETTEXT of the whole
//                             text against the view's fill in parts (doubling up to 4 MiB), with the longest
//                             time the window answered no message during each; then "ratio
//                             fillparts/onecall".
#include <windows.h>

#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "app/MainWindow.h"
#include "app/Services.h"
#include "bench/AnswerProbe.h"
#include "bench/QuietView.h"
#include "collect/DropState.h"
#include "edit/EditOperations.h"
#include "platform/Encoding.h"
#include "platform/win32/Handles.h"
#include "platform/win32/WideText.h"
#include "platform/win32/Win32CaseMapper.h"
#include "platform/win32/Win32Collation.h"
#include "text/PathPieces.h"
#include "text/TextLines.h"

namespace {

using Lines = std::vector<Text>;

// The text area as the operations see it, in memory.
class MemoryView : public QuietView {
public:
    explicit MemoryView(const Lines& lines) : text_(JoinWithCrLf(lines)) {}
    Text ReadAllText() override { return text_; }
    void ReplaceAllText(const Text& text) override { text_ = text; }
    Lines ReadAllLines() override { return SplitAtCrLf(text_); }

private:
    Text text_;
};

// Paths as users collect them: Japanese and ASCII folder and file names in mixed case, a dozen extensions in
// both cases, and every seventh line a repeat of an earlier one.
Lines GenerateLines(std::size_t n) {
    static const char* const kFolders[] = {"資料",   "画像",   "ソース", "表計算", "Documents",
                                           "Photos", "backup", "報告書", "ﾃｽﾄ",    "データ",
                                           "Src",    "能力表", "予定表", "Music"};
    static const char* const kNames[] = {"見積書", "readme", "ReadMe", "表",   "ソフト", "Image",
                                         "image",  "議事録", "ｶﾀﾛｸﾞ",  "main", "Main",   "一覧"};
    static const char* const kExtensions[] = {".txt",  ".TXT", ".jpg", ".JPG",    ".cpp", ".h",
                                              ".xlsx", ".doc", "",     ".tar.gz", ".Txt", ".png"};
    std::uint32_t state = 12345;
    auto next = [&state](std::uint32_t bound) {
        state = state * 1103515245u + 12345u;
        return (state >> 8) % bound;
    };
    Lines lines;
    lines.reserve(n);
    for (std::size_t i = 0; i < n; ++i) {
        if (i % 7 == 6) {
            lines.push_back(lines[next(static_cast<std::uint32_t>(i))]);
            continue;
        }
        Text line = "C:\\Users\\";
        line += kFolders[next(14)];
        line += "\\";
        line += kFolders[next(14)];
        line += "\\";
        line += kNames[next(12)];
        line += "_" + std::to_string(next(100000));
        line += kExtensions[next(12)];
        lines.push_back(std::move(line));
    }
    return lines;
}

double Seconds(LARGE_INTEGER start, LARGE_INTEGER stop) {
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return static_cast<double>(stop.QuadPart - start.QuadPart) / static_cast<double>(frequency.QuadPart);
}

std::size_t PeakBytes() {
    PROCESS_MEMORY_COUNTERS counters{};
    counters.cb = sizeof counters;
    GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters);
    return counters.PeakWorkingSetSize;
}

bool LessByCompareString(const Text& a, const Text& b) {
    const WideText wideA = TextToWide(a);
    const WideText wideB = TextToWide(b);
    return CompareStringW(LOCALE_USER_DEFAULT, 0, reinterpret_cast<LPCWSTR>(wideA.data()),
                          static_cast<int>(wideA.size()), reinterpret_cast<LPCWSTR>(wideB.data()),
                          static_cast<int>(wideB.size())) == CSTR_LESS_THAN;
}

// One measurement in this process; prints seconds, peak bytes, and the peak with only the lines made.
int Child(const Text& what, std::size_t n) {
    Lines lines = GenerateLines(n);
    const std::size_t base = PeakBytes();
    LARGE_INTEGER start, stop;
    std::size_t count = 0;
    if (what == "sort-line" || what == "sort-ext") {
        QueryPerformanceCounter(&start);
        if (what == "sort-line") {
            std::sort(lines.begin(), lines.end(), LessByCompareString);
        } else {
            struct Entry {
                Text ext;
                Text* line;
            };
            std::vector<Entry> entries;
            entries.reserve(lines.size());
            for (Text& line : lines)
                entries.push_back(Entry{PathExtension(line), &line});
            std::sort(entries.begin(), entries.end(), [](const Entry& a, const Entry& b) {
                if (LessByCompareString(a.ext, b.ext)) return true;
                if (LessByCompareString(b.ext, a.ext)) return false;
                return LessByCompareString(*a.line, *b.line);
            });
        }
        QueryPerformanceCounter(&stop);
        count = lines.size();
    } else {
        Win32Collation locale{LetterCase::kIgnored};
        DropState state(locale);
        MemoryView view(lines);
        Lines().swap(lines);
        Win32CaseMapper cases;
        Win32Collation collation{LetterCase::kCounts};
        NullBreakButton button;
        EditOperations edit(view, state, cases, collation, button);
        QueryPerformanceCounter(&start);
        edit.Run(std::atoi(what.c_str()));
        QueryPerformanceCounter(&stop);
        count = view.ReadAllLines().size();
    }
    std::printf("%.6f %zu %zu %zu\n", Seconds(start, stop), PeakBytes(), base, count);
    return 0;
}

struct Sample {
    double seconds = 0;
    double peakMiB = 0;
    double baseMiB = 0;
    std::size_t lines = 0;
};

bool RunChild(const char* self, const Text& what, std::size_t n, Sample& sample) {
    SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
    HANDLE readEnd = nullptr, writeEnd = nullptr;
    if (!CreatePipe(&readEnd, &writeEnd, &inherit, 0)) return false;
    const FileHandle reader(readEnd);
    FileHandle writer(writeEnd);
    SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0);
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = writeEnd;
    startup.hStdError = GetStdHandle(STD_ERROR_HANDLE);
    std::string command = "\"" + std::string(self) + "\" --child " + what + " " + std::to_string(n);
    PROCESS_INFORMATION process{};
    if (!CreateProcessA(nullptr, command.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup,
                        &process))
        return false;
    const FileHandle processHandle(process.hProcess);
    const FileHandle threadHandle(process.hThread);
    writer.reset();
    std::string output;
    char buffer[256];
    DWORD got = 0;
    while (ReadFile(reader.get(), buffer, sizeof buffer, &got, nullptr) && got > 0)
        output.append(buffer, got);
    WaitForSingleObject(processHandle.get(), INFINITE);
    std::size_t peak = 0, base = 0;
    if (std::sscanf(output.c_str(), "%lf %zu %zu %zu", &sample.seconds, &peak, &base, &sample.lines) != 4)
        return false;
    sample.peakMiB = static_cast<double>(peak) / (1 << 20);
    sample.baseMiB = static_cast<double>(base) / (1 << 20);
    return true;
}

// The screen columns of a label: a Japanese character takes two, as many as its Shift_JIS bytes.
int Columns(const Text& label) {
    int columns = 0;
    for (std::size_t i = 0; i < label.size(); i += CharacterBytes(label, i))
        columns += static_cast<int>(ShiftJisWidth(CharacterAt(label, i)));
    return columns;
}

double Median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v.size() % 2 ? v[v.size() / 2] : (v[v.size() / 2 - 1] + v[v.size() / 2]) / 2;
}

struct Measure {
    const char* label;
    Text what;
    Text peer;
    double seconds = 0;
    double peakMiB = 0;
    double baseMiB = 0;
    std::size_t lines = 0;
};

double Now() {
    return AnswerProbe::Now();
}

// The text area in memory; the longest time between two pumps, or between a pump and a call into the text
// area, with those calls themselves left out.
class StretchView : public QuietView {
public:
    Text text;

    Text ReadAllText() override {
        Mark();
        Text copy = text;
        last_ = Now();
        return copy;
    }
    void ReplaceAllText(const Text& replacement) override {
        Mark();
        text = replacement;
        last_ = Now();
    }
    void PumpMessages() override {
        Mark();
        ++pumps_;
        last_ = Now();
    }
    void Start() {
        longest_ = 0;
        pumps_ = 0;
        last_ = Now();
    }
    double Longest() {
        Mark();
        return longest_;
    }
    int Pumps() const { return pumps_; }

private:
    void Mark() { longest_ = std::max(longest_, Now() - last_); }

    double last_ = 0;
    double longest_ = 0;
    int pumps_ = 0;
};

int Stretch(std::size_t n) {
    const Text original = JoinWithCrLf(GenerateLines(n));
    Win32CaseMapper cases;
    Win32Collation collation{LetterCase::kCounts};
    Win32Collation locale{LetterCase::kIgnored};
    DropState state(locale);
    StretchView view;
    NullBreakButton button;
    EditOperations edit(view, state, cases, collation, button);
    const struct {
        const char* label;
        int tag;  // 0: 戻す after 大文字
    } operations[] = {
        {"大文字", kTagUpper},
        {"小文字", kTagLower},
        {"半角", kTagHalf},
        {"全角", kTagFull},
        {"名昇順", kTagNameAsc},
        {"名降順", kTagNameDesc},
        {"拡昇順", kTagExtAsc},
        {"拡降順", kTagExtDesc},
        {"ﾌｧｲﾙ名", kTagFileName},
        {"パス", kTagDirectory},
        {"重複削除", kTagDistinct},
        {"重複(順保持)", kTagDistinctInOrder},
        {"戻す", 0},
    };
    std::printf("%zu lines, %.1f MiB: the operations' own work\n", n,
                static_cast<double>(original.size()) / (1 << 20));
    double worst = 0;
    for (const auto& operation : operations) {
        view.text = original;
        if (operation.tag == 0) edit.Run(kTagUpper);
        view.Start();
        const double start = Now();
        if (operation.tag == 0) {
            edit.Undo();
        } else {
            edit.Run(operation.tag);
        }
        const double whole = Now() - start;
        const double longest = view.Longest();
        worst = std::max(worst, longest);
        std::printf("  %s%*s whole %7.3f s, longest stretch without a pump %6.3f s, %d pumps\n",
                    operation.label, std::max(0, 14 - Columns(operation.label)), "", whole, longest,
                    view.Pumps());
        std::fflush(stdout);
    }
    std::printf("longest stretch of the operations' own work: %.3f s\n", worst);
    std::printf("ratio ownstretch/0.5s %.3f 1.00\n", worst / 0.5);
    return 0;
}

int TextArea(std::size_t n) {
    const Text text = JoinWithCrLf(GenerateLines(n));
    MessageLoop loop;
    Services services;
    TForm1 form(loop, services.ForMainWindow());
    if (!form.Create(GetModuleHandleA(nullptr))) return 1;
    ShowWindow(form.Handle(), SW_SHOWNORMAL);
    loop.Pump();
    HWND memo = form.Item(kMemo);

    SetWindowTextW(memo, L"");
    const double oneStart = Now();
    SetWindowTextW(memo, Wide(text).c_str());
    const double one = Now() - oneStart;
    const double readStart = Now();
    const Text back = form.TextArea().ReadAllText();
    const double read = Now() - readStart;
    if (back != text) {
        std::printf("the text area gave back another text\n");
        return 1;
    }

    SetWindowTextW(memo, L"");
    loop.Pump();
    double parts = 0;
    double longest = 0;
    {
        AnswerProbe probe;
        const double start = Now();
        form.TextArea().ReplaceAllText(text);
        parts = Now() - start;
        longest = probe.Longest();
    }
    if (form.TextArea().MemoText() != text) {
        std::printf("the fill in parts gave another text\n");
        return 1;
    }
    std::printf("%zu lines, %.1f MiB in the text area\n", n, static_cast<double>(text.size()) / (1 << 20));
    std::printf("  one WM_GETTEXT:               %7.3f s\n", read);
    std::printf("  one WM_SETTEXT:               %7.3f s (no message answered meanwhile)\n", one);
    std::printf("  fill in parts:                %7.3f s, longest time without an answer %.3f s\n", parts,
                longest);
    std::printf("ratio fillparts/onecall %.3f 1.30\n", parts / one);
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 4 && std::strcmp(argv[1], "--child") == 0)
        return Child(argv[2], static_cast<std::size_t>(std::atoll(argv[3])));
    if (argc >= 2 && (std::strcmp(argv[1], "stretch") == 0 || std::strcmp(argv[1], "textarea") == 0)) {
        const std::size_t lines =
            argc > 2 ? static_cast<std::size_t>(std::max(2LL, std::atoll(argv[2]))) : 1000000;
        return std::strcmp(argv[1], "stretch") == 0 ? Stretch(lines) : TextArea(lines);
    }
    const std::size_t n = argc > 1 ? static_cast<std::size_t>(std::max(2LL, std::atoll(argv[1]))) : 1000000;
    const int runs = argc > 2 ? std::max(1, std::atoi(argv[2])) : 3;

    std::vector<Measure> measures = {
        {"(a) std::sort, CompareStringW by line", "sort-line", ""},
        {"(b) std::sort, CompareStringW by extension, line", "sort-ext", ""},
        {"名昇順", std::to_string(kTagNameAsc), "sort-line"},
        {"拡昇順", std::to_string(kTagExtAsc), "sort-ext"},
        {"重複削除", std::to_string(kTagDistinct), "sort-line"},
        {"大文字", std::to_string(kTagUpper), "sort-line"},
    };
    std::printf("%zu lines, %d runs of each, one process per run\n", n, runs);
    for (Measure& m : measures) {
        std::vector<double> seconds, peaks, bases;
        for (int run = 0; run < runs; ++run) {
            Sample sample;
            if (!RunChild(argv[0], m.what, n, sample)) {
                std::printf("%s: the measuring process failed\n", m.label);
                return 1;
            }
            seconds.push_back(sample.seconds);
            peaks.push_back(sample.peakMiB);
            bases.push_back(sample.baseMiB);
            m.lines = sample.lines;
            std::printf("  %s run %d: %.3f s, peak %.1f MiB\n", m.label, run + 1, sample.seconds,
                        sample.peakMiB);
            std::fflush(stdout);
        }
        m.seconds = Median(seconds);
        m.peakMiB = Median(peaks);
        m.baseMiB = Median(bases);
    }
    auto peer = [&](const Text& what) {
        for (const Measure& m : measures) {
            if (m.what == what) return m.seconds;
        }
        return 0.0;
    };
    std::printf("\n%-50s %10s %12s %12s %10s %8s\n", "", "median s", "peak MiB", "lines MiB", "lines out",
                "ratio");
    for (const Measure& m : measures) {
        // Padded by hand: printf pads by bytes, and a Japanese character takes three bytes for two columns.
        std::printf("%s%*s %10.3f %12.1f %12.1f %10zu", m.label, std::max(0, 50 - Columns(m.label)), "",
                    m.seconds, m.peakMiB, m.baseMiB, m.lines);
        if (!m.peer.empty())
            std::printf(" %8.3f  (against %s)", m.seconds / peer(m.peer), m.peer == "sort-line" ? "a" : "b");
        std::printf("\n");
    }
    std::printf(
        "\npeak MiB: the process's peak working set; lines MiB: its peak with only the generated lines.\n");
    for (const Measure& m : measures) {
        if (m.what != std::to_string(kTagNameAsc)) continue;
        std::printf("ratio sort/compare %.3f 0.10\n", m.seconds / peer(m.peer));
        std::printf("ratio sortmem/lines %.3f 2.5\n", m.peakMiB / m.baseMiB);
    }
    return 0;
}
