// Dropping the tree of 100,000 entries on the real main window, recursion on, until the whole text is on the
// clipboard; against (a) the platform's floor: a bare FindFirstFileA/FindNextFileA walk, one WM_SETTEXT of
// the same final text into a multi-line EDIT in the text area's font and one copy of it; and (b)
// `cmd /c dir /s /b`. Prints the medians and the ratios drop/floor and drop/dir as
// "ratio NAME MEASURED TARGET". Each drop also gives the longest time the window answered no message; a last
// drop, with Esc pressed as soon as the status bar says that its text goes in, gives how many of its lines
// went in all the same.
//
// drop_bench [folder [runs [entries]]]   The tree is made in folder (default %TEMP%\rwb) on the first run
//                                        and reused; bench/run.sh makes the large ones natively.
#include <windows.h>

#include <commctrl.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "app/MainWindow.h"
#include "app/Services.h"
#include "bench/AnswerProbe.h"
#include "bench/BenchTree.h"
#include "platform/win32/WideText.h"
#include "tests/win32/MakeDrop.h"

namespace {

void CopyToClipboard(HWND owner, const std::wstring& text) {
    if (!OpenClipboard(owner)) return;
    EmptyClipboard();
    const std::size_t size = (text.size() + 1) * sizeof(wchar_t);
    if (HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, size)) {
        memcpy(GlobalLock(memory), text.c_str(), size);
        GlobalUnlock(memory);
        if (!SetClipboardData(CF_UNICODETEXT, memory)) GlobalFree(memory);
    }
    CloseClipboard();
}

long long CountLines(const Text& text) {
    long long lines = 0;
    for (std::size_t at = text.find("\r\n"); at != Text::npos; at = text.find("\r\n", at + 2))
        ++lines;
    return lines;
}

// Presses Esc in the text area when status panel 3 says that a long text goes in.
LRESULT CALLBACK PressEscWhenFilling(HWND hwnd, UINT msg, WPARAM wparam, LPARAM lparam, UINT_PTR,
                                     DWORD_PTR memo) {
    if (msg == SB_SETTEXTW && (wparam & 0xFF) == 3 &&
        FromWide(reinterpret_cast<const wchar_t*>(lparam)) == "テキストを設定しています…")
        PostMessageA(reinterpret_cast<HWND>(memo), WM_KEYDOWN, VK_ESCAPE, 0);
    return DefSubclassProc(hwnd, msg, wparam, lparam);
}

}  // namespace

int main(int argc, char** argv) {
    const Text root = argc > 1 ? Text(argv[1]) : DefaultTreeRoot();
    const int runs = argc > 2 ? std::max(1, std::atoi(argv[2])) : 5;
    // A number of entries makes a tree of that size: the scale check.
    const int entries = argc > 3 ? std::atoi(argv[3]) : kTreeEntries;
    if (!MakeTree(root, entries)) {
        std::printf("cannot make the tree in %s\n", root.c_str());
        return 1;
    }
    const Text tree = root + "\\tree";
    INITCOMMONCONTROLSEX icc{sizeof icc, ICC_WIN95_CLASSES};
    InitCommonControlsEx(&icc);

    MessageLoop loop;
    Services services;
    TForm1 form(loop, services.ForMainWindow());
    if (!form.Create(GetModuleHandleA(nullptr))) return 1;
    form.PrepareForDrops();
    SendMessageW(form.Item(kChkFAll), BM_CLICK, 0, 0);
    HWND floorEdit =
        CreateWindowExW(0, L"EDIT", L"", WS_POPUP | ES_MULTILINE | ES_AUTOVSCROLL | ES_AUTOHSCROLL, 0, 0, 588,
                        225, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    SendMessageW(floorEdit, EM_SETLIMITTEXT, 0, 0);
    // In the text area's font: the control measures every line in it as it takes the text, and the time that
    // takes depends on the font, so a floor in the default font would measure the font, not the program.
    SendMessageW(floorEdit, WM_SETFONT, SendMessageW(form.Item(kMemo), WM_GETFONT, 0, 0), FALSE);

    std::vector<double> drop, floor, dir;
    std::size_t bytes = 0;
    double unanswered = 0;
    for (int run = 0; run < runs; ++run) {
        SetWindowTextW(form.Item(kMemo), L"");
        PostMessageW(form.Item(kMemo), WM_DROPFILES, reinterpret_cast<WPARAM>(MakeDrop({tree})), 0);
        {
            AnswerProbe probe;
            drop.push_back(Seconds([&] { loop.Pump(); }));
            unanswered = std::max(unanswered, probe.Longest());
        }
        // Before the floor's own copies of the text: in the first run, the drop's peak alone.
        const double dropPeak = PeakMiB();
        const Text text = form.TextArea().MemoText();
        bytes = text.size();

        SetWindowTextW(floorEdit, L"");
        // The text area is a Unicode control: the floor hands it the text in UTF-16, as the ANSI call it took
        // before converted it inside the system, and copies that one form.
        floor.push_back(Seconds([&] {
            BareWalk(tree);
            const std::wstring wide = Wide(text);
            SetWindowTextW(floorEdit, wide.c_str());
            SendMessageW(floorEdit, EM_SETSEL, 0, -1);
            CopyToClipboard(floorEdit, wide);
        }));
        dir.push_back(Seconds([&] { Dir(tree); }));
        std::printf(
            "run %d: drop %.3f s, floor %.3f s, dir %.3f s, peak working set %.1f MiB (%.1f MiB after the "
            "drop)\n",
            run + 1, drop.back(), floor.back(), dir.back(), PeakMiB(), dropPeak);
    }
    DestroyWindow(floorEdit);

    SetWindowTextW(form.Item(kMemo), L"");
    SetWindowSubclass(form.Item(kStatus1), &PressEscWhenFilling, 1,
                      reinterpret_cast<DWORD_PTR>(form.Item(kMemo)));
    PostMessageW(form.Item(kMemo), WM_DROPFILES, reinterpret_cast<WPARAM>(MakeDrop({tree})), 0);
    const double escDrop = Seconds([&] { loop.Pump(); });
    RemoveWindowSubclass(form.Item(kStatus1), &PressEscWhenFilling, 1);
    const long long kept = CountLines(form.TextArea().MemoText());
    std::printf("longest time the window answered no message during a drop: %.3f s\n", unanswered);
    std::printf("Esc as the lines go in: %lld of %d lines went in, the drop took %.3f s\n", kept, entries + 1,
                escDrop);
    const double d = Median(drop), a = Median(floor), c = Median(dir);
    std::printf("text on the clipboard: %zu bytes\n", bytes);
    std::printf("median drop into the main window, to the clipboard:      %.3f s\n", d);
    std::printf("median (a) floor: bare walk + one WM_SETTEXT + one copy: %.3f s\n", a);
    std::printf("median (b) cmd /c dir /s /b:                             %.3f s\n", c);
    std::printf("ratio drop/floor %.3f 1.10\n", d / a);
    std::printf("ratio drop/dir %.3f 0.30\n", d / c);
    return 0;
}
