// How long the thread answered no message: a thread timer asked for every 10 ms, and the longest time
// between two of its messages while the probe lives. One probe at a time.
#pragma once

#include <windows.h>

#include <algorithm>

class AnswerProbe {
public:
    AnswerProbe() {
        current_ = this;
        last_ = Now();
        timer_ = SetTimer(nullptr, 0, 10, &AnswerProbe::Tick);
    }
    AnswerProbe(const AnswerProbe&) = delete;
    AnswerProbe& operator=(const AnswerProbe&) = delete;
    ~AnswerProbe() {
        KillTimer(nullptr, timer_);
        current_ = nullptr;
    }

    // The longest time so far, the one still running included.
    double Longest() {
        longest_ = std::max(longest_, Now() - last_);
        return longest_;
    }

    static double Now() {
        LARGE_INTEGER counter, frequency;
        QueryPerformanceCounter(&counter);
        QueryPerformanceFrequency(&frequency);
        return static_cast<double>(counter.QuadPart) / static_cast<double>(frequency.QuadPart);
    }

private:
    static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {
        if (!current_) return;
        const double now = Now();
        current_->longest_ = std::max(current_->longest_, now - current_->last_);
        current_->last_ = now;
    }

    static inline AnswerProbe* current_ = nullptr;
    UINT_PTR timer_ = 0;
    double last_ = 0;
    double longest_ = 0;
};
