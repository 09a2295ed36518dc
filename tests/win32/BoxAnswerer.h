// Answers the program's modal message boxes from inside their own message loop: a thread timer looks for a
// visible message box of this thread, records its caption, text and icon, and presses the next answer
// (IDOK when none is left). One answerer at a time.
#pragma once

#include <windows.h>

#include <deque>
#include <vector>

#include "text/Text.h"

class BoxAnswerer {
public:
    struct Box {
        Text caption;
        Text text;
        bool hasIcon = false;
    };

    explicit BoxAnswerer(std::deque<int> answers = {}) : answers_(std::move(answers)) {
        current_ = this;
        timer_ = SetTimer(nullptr, 0, 20, &BoxAnswerer::Tick);
    }
    BoxAnswerer(const BoxAnswerer&) = delete;
    BoxAnswerer& operator=(const BoxAnswerer&) = delete;
    ~BoxAnswerer() {
        KillTimer(nullptr, timer_);
        current_ = nullptr;
    }

    const std::vector<Box>& Boxes() const { return boxes_; }

private:
    static BOOL CALLBACK Find(HWND window, LPARAM found) {
        char name[16] = {};
        GetClassNameA(window, name, sizeof name);
        if (IsWindowVisible(window) && Text(name) == "#32770") {
            *reinterpret_cast<HWND*>(found) = window;
            return FALSE;
        }
        return TRUE;
    }

    static Text WindowText(HWND window) {
        char buffer[4096] = {};
        const int length = GetWindowTextA(window, buffer, sizeof buffer);
        return Text(buffer, length > 0 ? length : 0);
    }

    static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {
        BoxAnswerer* self = current_;
        if (!self) return;
        HWND box = nullptr;
        EnumThreadWindows(GetCurrentThreadId(), &BoxAnswerer::Find, reinterpret_cast<LPARAM>(&box));
        if (!box || box == self->answered_) return;
        self->answered_ = box;
        // The text is the static of id 0xFFFF; the icon, when there is one, a static with SS_ICON.
        Box seen{WindowText(box), WindowText(GetDlgItem(box, 0xFFFF)), false};
        for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
            if ((GetWindowLongA(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON && IsWindowVisible(child))
                seen.hasIcon = true;
        }
        self->boxes_.push_back(seen);
        int answer = IDOK;
        if (!self->answers_.empty()) {
            answer = self->answers_.front();
            self->answers_.pop_front();
        }
        PostMessageA(box, WM_COMMAND, MAKEWPARAM(answer, BN_CLICKED),
                     reinterpret_cast<LPARAM>(GetDlgItem(box, answer)));
    }

    static inline BoxAnswerer* current_ = nullptr;
    std::deque<int> answers_;
    std::vector<Box> boxes_;
    HWND answered_ = nullptr;
    UINT_PTR timer_ = 0;
};
