// Drives the program from another Wine process during end-to-end tests.
//   e2e_driver wait-window TITLE SECONDS   waits until a visible top-level window TITLE exists
//   e2e_driver close TITLE                 asks that window to close, as its close box does
//   e2e_driver wait-gone TITLE SECONDS     waits until no window TITLE exists
//   e2e_driver hold                        stays until killed, keeping the Wine session (its system processes
//                                          and the clipboard) alive for the programs started after it
// Exit code 0 on success, 1 on timeout or when the window is missing, 2 on bad usage.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

HWND FindVisible(const char* title) {
    HWND hwnd = FindWindowA(nullptr, title);
    return hwnd && IsWindowVisible(hwnd) ? hwnd : nullptr;
}

bool WaitUntil(bool want_present, const char* title, double seconds) {
    const ULONGLONG deadline = GetTickCount64() + static_cast<ULONGLONG>(seconds * 1000);
    for (;;) {
        const bool present = want_present ? FindVisible(title) != nullptr : FindWindowA(nullptr, title) != nullptr;
        if (present == want_present) return true;
        if (GetTickCount64() >= deadline) return false;
        Sleep(50);
    }
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 2 && std::strcmp(argv[1], "hold") == 0) {
        Sleep(INFINITE);
        return 0;
    }
    if (argc < 3) {
        std::fprintf(stderr, "usage: e2e_driver wait-window|close|wait-gone TITLE [SECONDS] | hold\n");
        return 2;
    }
    const char* command = argv[1];
    const char* title = argv[2];
    const double seconds = argc > 3 ? std::atof(argv[3]) : 30.0;

    if (std::strcmp(command, "wait-window") == 0) return WaitUntil(true, title, seconds) ? 0 : 1;
    if (std::strcmp(command, "wait-gone") == 0) return WaitUntil(false, title, seconds) ? 0 : 1;
    if (std::strcmp(command, "close") == 0) {
        HWND hwnd = FindWindowA(nullptr, title);
        return hwnd && PostMessageA(hwnd, WM_CLOSE, 0, 0) ? 0 : 1;
    }
    std::fprintf(stderr, "unknown command %s\n", command);
    return 2;
}
