// Answers the program's modal dialogs from inside their own message loop: a thread timer looks for a visible
// dialog of this thread and hands it to Answer. BoxAnswerer answers message boxes: it records each box's
// caption, text and icon and presses the next answer (IDOK when none is left). One answerer at a time.
#pragma once

#include <windows.h>

#include <deque>
#include <string>
#include <vector>

#include "platform/win32/Window.h"
#include "text/Text.h"

class DialogAnswerer {
public:
    DialogAnswerer(const DialogAnswerer&) = delete;
    DialogAnswerer& operator=(const DialogAnswerer&) = delete;
    virtual ~DialogAnswerer() {
        KillTimer(nullptr, timer_);
        current_ = nullptr;
    }

protected:
    DialogAnswerer() {
        current_ = this;
        timer_ = SetTimer(nullptr, 0, 20, &DialogAnswerer::Tick);
    }

    // A visible dialog of the thread, at every tick while it is open.
    virtual void Answer(HWND dialog) = 0;

    static void Press(HWND dialog, int button) {
        PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED),
                     reinterpret_cast<LPARAM>(GetDlgItem(dialog, button)));
    }

private:
    static BOOL CALLBACK Find(HWND window, LPARAM found) {
        wchar_t name[16] = {};
        GetClassNameW(window, name, 16);
        if (IsWindowVisible(window) && std::wstring(name) == L"#32770") {
            *reinterpret_cast<HWND*>(found) = window;
            return FALSE;
        }
        return TRUE;
    }

    static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {
        if (!current_) return;
        HWND dialog = nullptr;
        EnumThreadWindows(GetCurrentThreadId(), &DialogAnswerer::Find, reinterpret_cast<LPARAM>(&dialog));
        if (dialog) current_->Answer(dialog);
    }

    static inline DialogAnswerer* current_ = nullptr;
    UINT_PTR timer_ = 0;
};

class BoxAnswerer : public DialogAnswerer {
public:
    struct Box {
        Text caption;
        Text text;
        bool hasIcon = false;
    };

    explicit BoxAnswerer(std::deque<int> answers = {}) : answers_(std::move(answers)) {}

    const std::vector<Box>& Boxes() const { return boxes_; }

private:
    void Answer(HWND box) override {
        if (box == answered_) return;
        answered_ = box;
        // The text is the static of id 0xFFFF; the icon, when there is one, a static with SS_ICON.
        Box seen{WindowText(box), WindowText(GetDlgItem(box, 0xFFFF)), false};
        for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
            if ((GetWindowLongW(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON && IsWindowVisible(child))
                seen.hasIcon = true;
        }
        boxes_.push_back(seen);
        int answer = IDOK;
        if (!answers_.empty()) {
            answer = answers_.front();
            answers_.pop_front();
        }
        Press(box, answer);
    }

    std::deque<int> answers_;
    std::vector<Box> boxes_;
    HWND answered_ = nullptr;
};
