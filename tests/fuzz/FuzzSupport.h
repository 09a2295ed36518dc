// What the fuzz targets share: a property check that stops the run where it fails, and a view that keeps the
// text area's lines and the status texts and can act at a chosen message pump.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <vector>

#include "bench/QuietView.h"

inline void Check(bool ok) {
    if (!ok) __builtin_trap();
}

class LinesView : public QuietView {
public:
    OptionSnapshot options;
    std::vector<Text> lines;
    std::array<Text, 4> panels;
    int pumps = 0;
    int suspended = 0;                // redraw suspensions not yet resumed
    std::function<void(int)> onPump;  // given the pump's number, counting from 1

    OptionSnapshot ReadOptions() override { return options; }
    void AppendLine(const Text& line) override { lines.push_back(line); }
    void AppendLines(const std::vector<Text>& added) override {
        lines.insert(lines.end(), added.begin(), added.end());
    }
    void SuspendRedraw() override { ++suspended; }
    void ResumeRedraw() override { --suspended; }
    std::vector<Text> ReadAllLines() override { return lines; }
    void ReplaceAllLines(const std::vector<Text>& replacement) override { lines = replacement; }
    void SetStatusText(int panel, const Text& text) override {
        panels.at(static_cast<std::size_t>(panel)) = text;
    }
    void PumpMessages() override {
        ++pumps;
        if (onPump) onPump(pumps);
    }
};
