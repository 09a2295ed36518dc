// Answers the message boxes that the thread under test opens: records each box's caption and text, then
// presses a button, so that a test can drive code that shows modal boxes.
#pragma once

#include <windows.h>

#include <atomic>
#include <mutex>
#include <thread>
#include <vector>

#include "text/Text.h"

class BoxWatcher {
public:
    struct Box {
        Text caption, text;
    };

    // Watches the boxes of the calling thread and answers each with button (IDOK, IDCANCEL, ...).
    explicit BoxWatcher(int button = IDOK)
        : thread_(GetCurrentThreadId()), button_(button), watcher_([this] { Watch(); }) {}
    BoxWatcher(const BoxWatcher&) = delete;
    BoxWatcher& operator=(const BoxWatcher&) = delete;
    ~BoxWatcher() {
        stop_ = true;
        watcher_.join();
    }

    std::vector<Box> Boxes() {
        std::lock_guard<std::mutex> lock(mutex_);
        return boxes_;
    }

private:
    void Watch() {
        while (!stop_) {
            EnumThreadWindows(thread_, &BoxWatcher::Found, reinterpret_cast<LPARAM>(this));
            Sleep(20);
        }
    }

    static BOOL CALLBACK Found(HWND window, LPARAM self) {
        char className[16] = {};
        GetClassNameA(window, className, sizeof className);
        if (lstrcmpA(className, "#32770") != 0 || !IsWindowVisible(window)) return TRUE;
        auto* watcher = reinterpret_cast<BoxWatcher*>(self);
        if (window == watcher->answered_) return TRUE;
        Box box;
        char text[1024] = {};
        GetWindowTextA(window, text, sizeof text);
        box.caption = text;
        // The message is the longest static text of the box (the icon is a static control without text).
        for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
            GetClassNameA(child, className, sizeof className);
            if (lstrcmpiA(className, "Static") != 0) continue;
            text[0] = '\0';
            GetWindowTextA(child, text, sizeof text);
            if (lstrlenA(text) > static_cast<int>(box.text.size())) box.text = text;
        }
        {
            std::lock_guard<std::mutex> lock(watcher->mutex_);
            watcher->boxes_.push_back(box);
        }
        watcher->answered_ = window;
        PostMessageA(window, WM_COMMAND, MAKEWPARAM(watcher->button_, BN_CLICKED),
                     reinterpret_cast<LPARAM>(GetDlgItem(window, watcher->button_)));
        return TRUE;
    }

    DWORD thread_;
    int button_;
    HWND answered_ = nullptr;
    std::atomic<bool> stop_{false};
    std::mutex mutex_;
    std::vector<Box> boxes_;
    std::thread watcher_;
};
