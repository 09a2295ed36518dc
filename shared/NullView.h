// A view that shows nothing and reads back nothing: no options set beyond their defaults, no lines. The base
// of views that keep only part of what the work does (the recording fakes, the benchmarks' quiet view).
#pragma once

#include "shared/View.h"

class NullView : public View {
public:
    OptionSnapshot ReadOptions() override { return {}; }
    void AppendLine(const Text&) override {}
    void AppendLines(const std::vector<Text>&) override {}
    void AppendText(const Text&) override {}
    void SuspendRedraw() override {}
    void ResumeRedraw() override {}
    std::vector<Text> ReadAllLines() override { return {}; }
    void ReplaceAllLines(const std::vector<Text>&) override {}
    void CopyAllText() override {}
    void PlaceCaretAtEnd() override {}
    void SetStatusText(int, const Text&) override {}
    void SetProgressMax(std::int32_t) override {}
    void SetProgressPosition(std::int32_t) override {}
    void EnableTopPanel(bool) override {}
    void RefreshCaretIndicator() override {}
    void PumpMessages() override {}
    void ShowMessage(const Text&) override {}
};
