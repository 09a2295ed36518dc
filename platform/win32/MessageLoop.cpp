#include "platform/win32/MessageLoop.h"

#include <algorithm>

#include "platform/win32/Window.h"

void MessageLoop::AddModeless(HWND window) {
    if (std::find(modeless_.begin(), modeless_.end(), window) == modeless_.end()) modeless_.push_back(window);
}

void MessageLoop::RemoveModeless(HWND window) {
    modeless_.erase(std::remove(modeless_.begin(), modeless_.end(), window), modeless_.end());
}

int MessageLoop::Run() {
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0)
        Process(msg);
    return static_cast<int>(msg.wParam);
}

void MessageLoop::Pump() {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(msg.wParam));
            return;
        }
        Process(msg);
    }
}

void MessageLoop::Process(MSG& msg) {
    if (hook_) {
        bool handled = false;
        // The hook runs outside every window procedure, so its errors are reported here.
        try {
            hook_(msg, handled);
        } catch (const std::exception& error) {
            ReportEscapedError(nullptr, error);
            handled = true;
        }
        if (handled) return;
    }
    // A copy: a handler run by IsDialogMessage may add or remove windows.
    const std::vector<HWND> windows = modeless_;
    for (HWND window : windows) {
        if (IsWindowVisible(window) && IsDialogMessageW(window, &msg)) return;
    }
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
}
