// Drives the program from another Wine process during end-to-end tests.
//   e2e_driver wait-window TITLE SECONDS   waits until a visible top-level window TITLE exists and its
//   program
//                                          waits for input (so it has painted)
//   e2e_driver close TITLE                 asks that window to close, as its close box does
//   e2e_driver wait-gone TITLE SECONDS     waits until no window TITLE exists
//   e2e_driver wait-hidden TITLE SECONDS   waits until no shown window TITLE exists (a closed window the
//                                          program only hides)
//   e2e_driver dump TITLE                  prints the window's controls: depth, id, class, visibility,
//   rectangle
//                                          (relative to the parent's client area) and text
//   e2e_driver hold                        stays until killed, keeping the Wine session (its system processes
//                                          and the clipboard) alive for the programs started after it
//   e2e_driver hold-clipboard              opens the clipboard, prints "held" and keeps it open until killed,
//                                          as a program that holds the clipboard does
//   e2e_driver clipboard                   writes the clipboard's CF_TEXT bytes, up to their NUL, to standard
//                                          output unchanged (code page 932, CR LF)
//   e2e_driver short-name PATH             prints the short (8.3) form of an existing path
//   e2e_driver click TITLE ID              clicks the button of that control id in window TITLE
//   e2e_driver key TITLE ID VK             presses and releases virtual key VK (decimal) in that control
//   e2e_driver center TITLE ID             prints the screen coordinates of the control's centre: "x y"
//   e2e_driver text TITLE ID               writes the control's text to standard output, as UTF-8
//   e2e_driver wait-enabled TITLE ID 0|1 SECONDS
//                                          waits until the control is disabled (0) or enabled (1)
//   e2e_driver press-while-busy TITLE WATCH TARGET VK SECONDS
//                                          waits until control WATCH is disabled, then presses VK in control
//                                          TARGET every 50 ms until WATCH is enabled again
//   e2e_driver press-past-band TITLE WATCH TARGET VK SECONDS
//                                          like press-while-busy, but starts pressing only once the progress
//                                          bar has reached the last step of a dropped name's band (its 960th
//                                          entry) and the program has answered twice more while WATCH stays
//                                          disabled: a walk that still pumps past its 1023rd entry
//   e2e_driver locale-sort                 reads lines (LF) from standard input and prints them ordered by
//                                          the user locale ignoring case, lines it calls equal by their
//                                          bytes, each line once
//   e2e_driver move TITLE X Y              moves the window's top-left corner to screen pixels X, Y
//   e2e_driver window-rect TITLE           prints the window's screen rectangle: "left top width height"
//   e2e_driver choose-font TITLE ID FACE POINTS
//                                          clicks button ID of window TITLE, which opens a font dialog, picks
//                                          FACE and POINTS there as a user would and presses OK
//   e2e_driver focus TITLE                 prints the control id that has the keyboard focus in TITLE's
//   thread e2e_driver owned TITLE                 exit code 0 when window TITLE has an owner window, 1 when
//   not e2e_driver answer-box TITLE SECONDS    waits for a message box of the program whose window is TITLE,
//   writes
//                                          its text to standard output and presses its OK button
//   e2e_driver set-text TITLE ID TEXT      puts TEXT into the edit box ID of window TITLE, as typing it does
//   e2e_driver fill-text TITLE ID MILLIONS sends control ID of window TITLE a WM_SETTEXT of MILLIONS million
//                                          characters of path lines; exit code 0 when it was taken and the
//                                          window is still there
//   e2e_driver select TITLE ID INDEX       chooses entry INDEX of the list ID in window TITLE and tells the
//                                          window, as a user's choice does
//   e2e_driver missing                     reads lines (UTF-8) from standard input and writes those
//                                          that name no existing file or folder, whatever their length; exit
//                                          code 1 when there is one
// Arguments are taken as UTF-8 (the shell's), and every text is printed as UTF-8, except the clipboard's
// CF_TEXT bytes. Exit code 0 on success, 1 on timeout or when the window is missing, 2 on bad usage.
#include <windows.h>

#include <commctrl.h>
#include <dlgs.h>

#include <fcntl.h>
#include <io.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "platform/win32/WideText.h"

namespace {

// A dialog box's window class: the system's boxes (message boxes, the font dialog).
bool IsDialog(HWND window) {
    wchar_t className[16] = {};
    GetClassNameW(window, className, 16);
    return std::wcscmp(className, L"#32770") == 0;
}

// The window of that title: a shown window of the program first, then a hidden one, then any. Its message
// boxes carry the program's title too and may stay a moment after they were answered; the windows are taken
// as one list, which a box that goes meanwhile does not cut short.
HWND FindTitled(const Text& title) {
    struct Search {
        const Text& title;
        HWND shown = nullptr;
        HWND hidden = nullptr;
        HWND any = nullptr;
    } search{title};
    EnumWindows(
        [](HWND window, LPARAM data) -> BOOL {
            auto* search = reinterpret_cast<Search*>(data);
            wchar_t text[256] = {};
            GetWindowTextW(window, text, 256);
            if (FromWide(text) != search->title) return TRUE;
            const bool dialog = IsDialog(window);
            if (!dialog && IsWindowVisible(window) && !search->shown) search->shown = window;
            if (!dialog && !search->hidden) search->hidden = window;
            if (!search->any) search->any = window;
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.shown ? search.shown : search.hidden ? search.hidden : search.any;
}

HWND FindVisible(const Text& title) {
    HWND hwnd = FindTitled(title);
    return hwnd && IsWindowVisible(hwnd) ? hwnd : nullptr;
}

bool WaitUntil(const std::function<bool()>& done, double seconds) {
    const ULONGLONG deadline = GetTickCount64() + static_cast<ULONGLONG>(seconds * 1000);
    for (;;) {
        if (done()) return true;
        if (GetTickCount64() >= deadline) return false;
        Sleep(50);
    }
}

void Dump(HWND window, int depth) {
    for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        wchar_t className[64] = {};
        wchar_t text[256] = {};
        GetClassNameW(child, className, 64);
        GetWindowTextW(child, text, 256);
        RECT rect;
        GetWindowRect(child, &rect);
        MapWindowPoints(HWND_DESKTOP, window, reinterpret_cast<POINT*>(&rect), 2);
        std::printf("%*s%d %s %s %ld,%ld %ldx%ld \"%s\"\n", depth * 2, "", GetDlgCtrlID(child),
                    FromWide(className).c_str(), IsWindowVisible(child) ? "shown" : "hidden", rect.left,
                    rect.top, rect.right - rect.left, rect.bottom - rect.top, FromWide(text).c_str());
        Dump(child, depth + 1);
    }
}

int PrintClipboard() {
    // Another process may hold the clipboard for a moment (Wine's own, handing a new text on to X): wait, as
    // a paste would.
    for (int attempt = 0; !OpenClipboard(nullptr); ++attempt) {
        if (attempt == 100) return 1;
        Sleep(50);
    }
    int result = 1;
    if (HANDLE data = GetClipboardData(CF_TEXT)) {
        if (const char* text = static_cast<const char*>(GlobalLock(data))) {
            _setmode(_fileno(stdout), _O_BINARY);
            std::fwrite(text, 1, strnlen(text, GlobalSize(data)), stdout);
            GlobalUnlock(data);
            result = 0;
        }
    }
    CloseClipboard();
    return result;
}

// The first window below window, depth first, that wanted accepts.
HWND FindBelow(HWND window, const std::function<bool(HWND)>& wanted) {
    for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (wanted(child)) return child;
        if (HWND found = FindBelow(child, wanted)) return found;
    }
    return nullptr;
}

HWND FindControlIn(HWND window, int id) {
    return FindBelow(window, [id](HWND child) { return GetDlgCtrlID(child) == id; });
}

HWND FindClassIn(HWND window, const wchar_t* wanted) {
    return FindBelow(window, [wanted](HWND child) {
        wchar_t className[64] = {};
        GetClassNameW(child, className, 64);
        return std::wcscmp(className, wanted) == 0;
    });
}

// Waits, until deadline, for watch to be disabled: the program has started the work it disables it for.
bool AwaitDisabled(HWND watch, ULONGLONG deadline) {
    while (IsWindowEnabled(watch)) {
        if (GetTickCount64() >= deadline) return false;
        Sleep(5);
    }
    return true;
}

// Presses key in target again and again, until deadline, until watch is enabled again: the work has ended.
bool PressUntilEnabled(HWND watch, HWND target, WPARAM key, ULONGLONG deadline) {
    while (!IsWindowEnabled(watch)) {
        if (GetTickCount64() >= deadline) return false;
        PostMessageW(target, WM_KEYDOWN, key, 1);
        PostMessageW(target, WM_KEYUP, key, 1 | (3u << 30));
        Sleep(50);
    }
    return true;
}

// The program answers only when it pumps, so a position is read with a time limit; -1 when none came.
LONG_PTR ProgressPosition(HWND bar) {
    DWORD_PTR position = 0;
    return SendMessageTimeoutW(bar, PBM_GETPOS, 0, 0, SMTO_NORMAL, 200, &position)
               ? static_cast<LONG_PTR>(position)
               : -1;
}

int PressPastBand(const Text& title, int watchId, int targetId, WPARAM key, double seconds) {
    HWND window = FindTitled(title);
    HWND watch = window ? FindControlIn(window, watchId) : nullptr;
    HWND target = window ? FindControlIn(window, targetId) : nullptr;
    HWND bar = window ? FindClassIn(window, PROGRESS_CLASSW) : nullptr;
    if (!watch || !target || !bar) return 1;
    const ULONGLONG deadline = GetTickCount64() + static_cast<ULONGLONG>(seconds * 1000);
    if (!AwaitDisabled(watch, deadline)) return 1;
    // Each answer comes from a pump of the walk; after the one that reads the band's last step, only a walk
    // that goes on pumping answers again with the same position (the finishing steps set it to 0). The pause
    // lets the walk leave the pump that answered, so the next answer comes from a later one.
    constexpr LONG_PTR kLastStep = 960;
    for (int answers = 0; answers < 3;) {
        const LONG_PTR position = ProgressPosition(bar);
        if (IsWindowEnabled(watch) || GetTickCount64() >= deadline) return 1;
        if (position >= 0 && position % 1024 == kLastStep) {
            ++answers;
            Sleep(5);
        } else if (position >= 0) {
            answers = 0;
        }
    }
    return PressUntilEnabled(watch, target, key, deadline) ? 0 : 1;
}

int LocaleSort() {
    std::vector<std::string> lines;
    char buffer[4096];
    while (std::fgets(buffer, sizeof buffer, stdin)) {
        std::string line = buffer;
        while (!line.empty() && (line.back() == '\n' || line.back() == '\r'))
            line.pop_back();
        lines.push_back(line);
    }
    auto compare = [](const std::string& a, const std::string& b) {
        return CompareStringW(LOCALE_USER_DEFAULT, NORM_IGNORECASE, Wide(a).c_str(), -1, Wide(b).c_str(),
                              -1) -
               CSTR_EQUAL;
    };
    std::sort(lines.begin(), lines.end(), [&](const std::string& a, const std::string& b) {
        const int c = compare(a, b);
        return c != 0 ? c < 0 : a < b;
    });
    lines.erase(std::unique(lines.begin(), lines.end()), lines.end());
    _setmode(_fileno(stdout), _O_BINARY);
    for (const std::string& line : lines)
        std::printf("%s\n", line.c_str());
    return 0;
}

// The visible dialog box of that process, if any.
HWND DialogOf(DWORD process) {
    struct Search {
        DWORD process;
        HWND found;
    } search{process, nullptr};
    EnumWindows(
        [](HWND window, LPARAM data) -> BOOL {
            auto* search = reinterpret_cast<Search*>(data);
            DWORD owner = 0;
            GetWindowThreadProcessId(window, &owner);
            if (owner != search->process || !IsWindowVisible(window) || !IsDialog(window)) return TRUE;
            search->found = window;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

// Selects the entry of that exact text in a combo box of the dialog and tells the dialog, as a user's choice
// does.
bool PickEntry(HWND dialog, int id, const Text& text) {
    const std::wstring wide = Wide(text);
    const HWND box = GetDlgItem(dialog, id);
    const LRESULT index = SendMessageW(box, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                       reinterpret_cast<LPARAM>(wide.c_str()));
    if (!box || index == CB_ERR) return false;
    SendMessageW(box, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
    SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE), reinterpret_cast<LPARAM>(box));
    return true;
}

int ChooseFontIn(const Text& title, int buttonId, const Text& face, const Text& points) {
    const HWND window = FindTitled(title);
    const HWND button = window ? FindControlIn(window, buttonId) : nullptr;
    if (!button) return 1;
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    // Posted: the dialog is modal, so a sent click would come back only once the dialog is closed.
    PostMessageW(button, BM_CLICK, 0, 0);
    HWND dialog = nullptr;
    for (int waited = 0; !dialog && waited < 200; ++waited) {
        dialog = DialogOf(process);
        if (!dialog) Sleep(50);
    }
    if (!dialog) return 1;
    if (!PickEntry(dialog, cmb1, face) || !PickEntry(dialog, cmb3, points)) {
        PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
        return 1;
    }
    PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDOK)));
    return 0;
}

int PrintMissing() {
    std::string input;
    char buffer[65536];
    for (std::size_t got; (got = std::fread(buffer, 1, sizeof buffer, stdin)) > 0;)
        input.append(buffer, got);
    int result = 0;
    std::size_t start = 0;
    while (start < input.size()) {
        std::size_t end = input.find('\n', start);
        if (end == std::string::npos) end = input.size();
        std::string line = input.substr(start, end - start);
        start = end + 1;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.empty()) continue;
        // The long form: no length limit, and every name taken as it stands.
        if (GetFileAttributesW((L"\\\\?\\" + Wide(line)).c_str()) == INVALID_FILE_ATTRIBUTES) {
            std::printf("%s\n", line.c_str());
            result = 1;
        }
    }
    return result;
}

int AnswerBox(const Text& title, double seconds) {
    const HWND window = FindTitled(title);
    if (!window) return 1;
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    HWND box = nullptr;
    for (int waited = 0; !box && waited < seconds * 20; ++waited) {
        box = DialogOf(process);
        if (!box) Sleep(50);
    }
    if (!box) return 1;
    wchar_t text[4096] = {};
    // A message box's text is its static control 0xFFFF.
    GetWindowTextW(GetDlgItem(box, 0xFFFF), text, 4096);
    std::printf("%s\n", FromWide(text).c_str());
    PostMessageW(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(box, IDOK)));
    // Answered once it is gone: what the program does after the box has begun.
    for (int waited = 0; IsWindow(box) && waited < 100; ++waited)
        Sleep(50);
    return 0;
}

}  // namespace

// Linked with -municode: the arguments come as the system has them, whatever its ANSI code page.
int wmain(int argc, wchar_t** wideArgv) {
    std::vector<Text> arguments;
    for (int i = 0; i < argc; ++i)
        arguments.push_back(FromWide(wideArgv[i]));
    std::vector<const char*> argv;
    for (const Text& argument : arguments)
        argv.push_back(argument.c_str());
    if (argc == 2 && std::strcmp(argv[1], "hold") == 0) {
        Sleep(INFINITE);
        return 0;
    }
    if (argc == 2 && std::strcmp(argv[1], "hold-clipboard") == 0) {
        if (!OpenClipboard(nullptr)) return 1;
        std::printf("held\n");
        std::fflush(stdout);
        Sleep(INFINITE);
        return 0;
    }
    if (argc == 2 && std::strcmp(argv[1], "clipboard") == 0) return PrintClipboard();
    if (argc == 2 && std::strcmp(argv[1], "locale-sort") == 0) return LocaleSort();
    if (argc == 2 && std::strcmp(argv[1], "missing") == 0) return PrintMissing();
    if (argc < 3) {
        std::fprintf(stderr, "usage: e2e_driver wait-window|close|wait-gone TITLE [SECONDS] | hold\n");
        return 2;
    }
    const char* command = argv[1];
    const Text title = argv[2];
    const double seconds = argc > 3 ? std::atof(argv[3]) : 30.0;

    if (std::strcmp(command, "wait-window") == 0) {
        if (!WaitUntil([&] { return FindVisible(title) != nullptr; }, seconds)) return 1;
        DWORD processId = 0;
        GetWindowThreadProcessId(FindVisible(title), &processId);
        if (HANDLE process = OpenProcess(SYNCHRONIZE | PROCESS_QUERY_INFORMATION, FALSE, processId)) {
            WaitForInputIdle(process, static_cast<DWORD>(seconds * 1000));
            CloseHandle(process);
        }
        return 0;
    }
    if (std::strcmp(command, "short-name") == 0) {
        wchar_t buffer[MAX_PATH];
        const DWORD length = GetShortPathNameW(Wide(title).c_str(), buffer, MAX_PATH);
        if (length == 0 || length >= MAX_PATH) return 1;
        std::printf("%s\n", FromWide(buffer, length).c_str());
        return 0;
    }
    if (std::strcmp(command, "wait-gone") == 0)
        return WaitUntil([&] { return FindTitled(title) == nullptr; }, seconds) ? 0 : 1;
    if (std::strcmp(command, "wait-hidden") == 0)
        return WaitUntil([&] { return FindVisible(title) == nullptr; }, seconds) ? 0 : 1;
    if (std::strcmp(command, "answer-box") == 0) return AnswerBox(title, seconds);
    if (std::strcmp(command, "dump") == 0) {
        HWND hwnd = FindTitled(title);
        if (!hwnd) return 1;
        Dump(hwnd, 0);
        return 0;
    }
    if (argc > 3 && (std::strcmp(command, "click") == 0 || std::strcmp(command, "key") == 0 ||
                     std::strcmp(command, "center") == 0 || std::strcmp(command, "text") == 0)) {
        HWND window = FindTitled(title);
        HWND control = window ? FindControlIn(window, std::atoi(argv[3])) : nullptr;
        if (!control) return 1;
        if (std::strcmp(command, "click") == 0) {
            SendMessageW(control, BM_CLICK, 0, 0);
        } else if (std::strcmp(command, "key") == 0 && argc > 4) {
            const WPARAM key = static_cast<WPARAM>(std::atoi(argv[4]));
            PostMessageW(control, WM_KEYDOWN, key, 1);
            PostMessageW(control, WM_KEYUP, key, 1 | (3u << 30));
        } else if (std::strcmp(command, "center") == 0) {
            RECT rect;
            GetWindowRect(control, &rect);
            std::printf("%ld %ld\n", (rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2);
        } else {
            const LRESULT length = SendMessageW(control, WM_GETTEXTLENGTH, 0, 0);
            std::wstring wide(static_cast<std::size_t>(length) + 1, L'\0');
            const LRESULT got =
                SendMessageW(control, WM_GETTEXT, wide.size(), reinterpret_cast<LPARAM>(wide.data()));
            const Text text = FromWide(wide.data(), static_cast<std::size_t>(got));
            _setmode(_fileno(stdout), _O_BINARY);
            std::fwrite(text.data(), 1, text.size(), stdout);
        }
        return 0;
    }
    if (std::strcmp(command, "set-text") == 0 && argc > 4) {
        HWND window = FindTitled(title);
        HWND edit = window ? FindControlIn(window, std::atoi(argv[3])) : nullptr;
        // A one-line edit box tells its window of the change itself.
        return edit && SendMessageW(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(Wide(argv[4]).c_str())) ? 0
                                                                                                          : 1;
    }
    if (std::strcmp(command, "fill-text") == 0 && argc > 4) {
        HWND window = FindTitled(title);
        HWND control = window ? FindControlIn(window, std::atoi(argv[3])) : nullptr;
        if (!control) return 1;
        const std::size_t size = static_cast<std::size_t>(std::atof(argv[4]) * 1000000);
        std::wstring text;
        text.reserve(size + 32);
        while (text.size() < size)
            text += L"C:\\フォルダ\\file.txt\r\n";
        DWORD_PTR answer = 0;
        const LRESULT taken = SendMessageTimeoutW(
            control, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()), SMTO_NORMAL, 120000, &answer);
        return taken && answer && IsWindow(window) ? 0 : 1;
    }
    if (std::strcmp(command, "select") == 0 && argc > 4) {
        HWND window = FindTitled(title);
        HWND list = window ? FindControlIn(window, std::atoi(argv[3])) : nullptr;
        if (!list || SendMessageW(list, CB_SETCURSEL, std::atoi(argv[4]), 0) == CB_ERR) return 1;
        SendMessageW(GetParent(list), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(list), CBN_SELCHANGE),
                     reinterpret_cast<LPARAM>(list));
        return 0;
    }
    if (std::strcmp(command, "wait-enabled") == 0 && argc > 5) {
        HWND window = FindTitled(title);
        HWND control = window ? FindControlIn(window, std::atoi(argv[3])) : nullptr;
        if (!control) return 1;
        const bool enabled = std::atoi(argv[4]) != 0;
        const ULONGLONG deadline = GetTickCount64() + static_cast<ULONGLONG>(std::atof(argv[5]) * 1000);
        while ((IsWindowEnabled(control) != FALSE) != enabled) {
            if (GetTickCount64() >= deadline) return 1;
            Sleep(5);
        }
        return 0;
    }
    if (std::strcmp(command, "press-while-busy") == 0 && argc > 6) {
        HWND window = FindTitled(title);
        HWND watch = window ? FindControlIn(window, std::atoi(argv[3])) : nullptr;
        HWND target = window ? FindControlIn(window, std::atoi(argv[4])) : nullptr;
        if (!watch || !target) return 1;
        const WPARAM key = static_cast<WPARAM>(std::atoi(argv[5]));
        const ULONGLONG deadline = GetTickCount64() + static_cast<ULONGLONG>(std::atof(argv[6]) * 1000);
        return AwaitDisabled(watch, deadline) && PressUntilEnabled(watch, target, key, deadline) ? 0 : 1;
    }
    if (std::strcmp(command, "press-past-band") == 0 && argc > 6)
        return PressPastBand(title, std::atoi(argv[3]), std::atoi(argv[4]),
                             static_cast<WPARAM>(std::atoi(argv[5])), std::atof(argv[6]));
    if (std::strcmp(command, "move") == 0 && argc > 4) {
        // A window just shown may refuse to move for a moment under Wine; the reason is told when it never
        // moves.
        HWND hwnd = nullptr;
        const bool moved = WaitUntil(
            [&] {
                hwnd = FindTitled(title);
                return hwnd && SetWindowPos(hwnd, nullptr, std::atoi(argv[3]), std::atoi(argv[4]), 0, 0,
                                            SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
            },
            5);
        if (moved) return 0;
        if (hwnd) {
            std::fprintf(stderr, "move: error %lu\n", GetLastError());
        } else {
            std::fputs("move: no window\n", stderr);
        }
        return 1;
    }
    if (std::strcmp(command, "window-rect") == 0) {
        const HWND hwnd = FindTitled(title);
        RECT rect;
        if (!hwnd || !GetWindowRect(hwnd, &rect)) return 1;
        std::printf("%ld %ld %ld %ld\n", rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top);
        return 0;
    }
    if (std::strcmp(command, "focus") == 0) {
        const HWND hwnd = FindTitled(title);
        GUITHREADINFO info{};
        info.cbSize = sizeof info;
        if (!hwnd || !GetGUIThreadInfo(GetWindowThreadProcessId(hwnd, nullptr), &info)) return 1;
        std::printf("%d\n", info.hwndFocus ? GetDlgCtrlID(info.hwndFocus) : 0);
        return 0;
    }
    if (std::strcmp(command, "owned") == 0) {
        const HWND hwnd = FindTitled(title);
        if (!hwnd) return 2;
        return GetWindow(hwnd, GW_OWNER) ? 0 : 1;
    }
    if (std::strcmp(command, "choose-font") == 0 && argc > 5)
        return ChooseFontIn(title, std::atoi(argv[3]), argv[4], argv[5]);
    if (std::strcmp(command, "close") == 0) {
        HWND hwnd = FindTitled(title);
        return hwnd && PostMessageW(hwnd, WM_CLOSE, 0, 0) ? 0 : 1;
    }
    std::fprintf(stderr, "unknown command %s\n", command);
    return 2;
}
