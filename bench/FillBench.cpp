// The text area of the real main window under load, in file-contents mode:
//   fill   all lines of files of 250,000 and 1,000,000 lines dropped into the empty text area; the 1M fill
//          against one WM_SETTEXT of the same text (in UTF-16, converted beforehand) into a plain multi-line
//          EDIT in the text area's font.
//          Filling is linear when the 1M fill takes at most 4.4 times the 250k one. Each fill also gives the
//          longest time the window answered no message.
//   many   count mode over a folder of 20,000 one-line files, against a full-path drop of the same folder;
//          both end with about 20,000 lines in the text area.
// Prints the medians and one line "ratio NAME MEASURED TARGET" per ratio.
//
// fill_bench fill|many [folder [runs]]   The inputs are made in folder (default %TEMP%\rfb) on the first run
//                                        and reused.
#include <windows.h>

#include <commctrl.h>

#include <algorithm>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "app/MainWindow.h"
#include "app/Services.h"
#include "bench/AnswerProbe.h"
#include "bench/BenchFiles.h"
#include "bench/BenchTree.h"
#include "tests/win32/MakeDrop.h"

namespace {

constexpr int kManyFiles = 20000;

// The main window, shown as a user sees it, with recursion on.
class ShownWindow {
public:
    ShownWindow() : form_(loop_, services_.ForMainWindow()) {}

    bool Open() {
        if (!form_.Create(GetModuleHandleW(nullptr))) return false;
        form_.PrepareForDrops();
        ShowWindow(form_.Handle(), SW_SHOWNORMAL);
        Click(kChkFAll);
        loop_.Pump();
        return true;
    }

    void Click(int control) { SendMessageW(form_.Item(control), BM_CLICK, 0, 0); }
    OptionSnapshot Options() { return form_.TextArea().ReadOptions(); }

    // Drops name on the emptied text area and returns the seconds until the drop has been handled.
    double Drop(const Text& name) {
        SetWindowTextW(form_.Item(kMemo), L"");
        loop_.Pump();
        PostMessageW(form_.Item(kMemo), WM_DROPFILES, reinterpret_cast<WPARAM>(MakeDrop({name})), 0);
        AnswerProbe probe;
        const double seconds = Seconds([&] { loop_.Pump(); });
        unanswered_ = probe.Longest();
        return seconds;
    }

    // The longest time the last drop answered no message.
    double Unanswered() const { return unanswered_; }

    // Lines in the text area: its line breaks, and one more when text follows the last of them.
    long long Lines() {
        const Text text = form_.TextArea().MemoText();
        long long lines = 0;
        for (std::size_t at = text.find("\r\n"); at != Text::npos; at = text.find("\r\n", at + 2))
            ++lines;
        const bool open = !text.empty() && (text.size() < 2 || text.compare(text.size() - 2, 2, "\r\n") != 0);
        return open ? lines + 1 : lines;
    }
    Text MemoText() const { return form_.TextArea().MemoText(); }
    WPARAM MemoFont() const { return SendMessageW(form_.Item(kMemo), WM_GETFONT, 0, 0); }

private:
    MessageLoop loop_;
    Services services_;
    TForm1 form_;
    double unanswered_ = 0;
};

void PrintRatio(const char* name, double measured, double target) {
    std::printf("ratio %s %.3f %.2f\n", name, measured, target);
}

int Fill(ShownWindow& window, const Text& folder, int runs) {
    struct Input {
        const char* label;
        long long lines;
        Text path;
        double median = 0;
    };
    Input inputs[] = {{"250k", 250000, folder + "\\fill250k.txt"}, {"1M", 1000000, folder + "\\fill1M.txt"}};
    for (Input& input : inputs) {
        if (MakeLinesFile(input.path, ULLONG_MAX, input.lines) != input.lines) {
            std::printf("cannot make %s\n", input.path.c_str());
            return 1;
        }
    }
    window.Click(kRdoShow);
    window.Click(kRdoLineAll);
    const OptionSnapshot options = window.Options();
    if (!options.contents || !options.allLines) {
        std::printf("the window did not take all-lines mode\n");
        return 1;
    }
    for (Input& input : inputs) {
        std::vector<double> times;
        for (int run = 0; run < runs; ++run) {
            times.push_back(window.Drop(input.path));
            const long long shown = window.Lines();
            std::printf("fill %s run %d: %.3f s, %lld lines shown, longest time without an answer %.3f s\n",
                        input.label, run + 1, times.back(), shown, window.Unanswered());
            std::fflush(stdout);
            if (shown != input.lines) {
                std::printf("fill %s: %lld lines expected\n", input.label, input.lines);
                return 1;
            }
        }
        input.median = Median(times);
    }

    // The floor: the text the 1M fill left, set at once into a plain EDIT of the same size, in the text
    // area's font: the control measures every line in it as it takes the text, in a time that depends on
    // the font.
    const Text text = window.MemoText();
    const std::wstring wide = Wide(text);
    HWND edit = CreateWindowExW(
        0, L"EDIT", L"",
        WS_OVERLAPPEDWINDOW | WS_VISIBLE | ES_MULTILINE | ES_AUTOVSCROLL | ES_AUTOHSCROLL | WS_VSCROLL, 0, 0,
        600, 400, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    SendMessageW(edit, EM_SETLIMITTEXT, 0, 0);
    SendMessageW(edit, WM_SETFONT, window.MemoFont(), FALSE);
    std::vector<double> settext;
    for (int run = 0; run < runs; ++run) {
        SetWindowTextW(edit, L"");
        settext.push_back(Seconds([&] { SetWindowTextW(edit, wide.c_str()); }));
        std::printf("settext 1M run %d: %.3f s\n", run + 1, settext.back());
    }
    DestroyWindow(edit);
    const double floor = Median(settext);
    std::printf("median fill 250k: %.3f s, fill 1M: %.3f s, one WM_SETTEXT of the 1M text: %.3f s\n",
                inputs[0].median, inputs[1].median, floor);
    PrintRatio("fill1M/fill250k", inputs[1].median / inputs[0].median, 4.4);
    PrintRatio("fill/settext", inputs[1].median / floor, 1.2);
    return 0;
}

int Many(ShownWindow& window, const Text& folder, int runs) {
    const Text many = folder + "\\many";
    if (!MakeOneLineFiles(many, kManyFiles)) {
        std::printf("cannot make the files in %s\n", many.c_str());
        return 1;
    }
    std::vector<double> count, full;
    for (int run = 0; run < runs; ++run) {
        window.Click(kRdoShow);
        window.Click(kRdoLineCnt);
        count.push_back(window.Drop(many));
        const long long countLines = window.Lines();
        window.Click(kRdoFull);
        full.push_back(window.Drop(many));
        const long long fullLines = window.Lines();
        std::printf("many run %d: count mode %.3f s (%lld lines), full paths %.3f s (%lld lines)\n", run + 1,
                    count.back(), countLines, full.back(), fullLines);
        std::fflush(stdout);
        // A count line per file and the total; a path per file and the folder.
        if (countLines != kManyFiles + 1 || fullLines != kManyFiles + 1) {
            std::printf("many: %d lines expected of each\n", kManyFiles + 1);
            return 1;
        }
    }
    std::printf("median count mode: %.3f s, full paths: %.3f s\n", Median(count), Median(full));
    PrintRatio("manycount/manyfull", Median(count) / Median(full), 1.5);
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    const Text what = argc > 1 ? Text(argv[1]) : Text();
    if (what != "fill" && what != "many") {
        std::printf("usage: fill_bench fill|many [folder [runs]]\n");
        return 2;
    }
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    const Text folder = argc > 2 ? Text(argv[2]) : FromWide(temp) + "rfb";
    const int runs = argc > 3 ? std::max(1, std::atoi(argv[3])) : 3;
    CreateDirectoryW(Wide(folder).c_str(), nullptr);
    INITCOMMONCONTROLSEX icc{sizeof icc, ICC_WIN95_CLASSES};
    InitCommonControlsEx(&icc);
    ShownWindow window;
    if (!window.Open()) return 1;
    return what == "fill" ? Fill(window, folder, runs) : Many(window, folder, runs);
}
