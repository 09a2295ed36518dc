// A view that records every call in order as a short line of text ("progress 64", "status 3 [ESC]キーで中断")
// and keeps a model of the text area, clipboard, panels and progress bar. Actions can be hooked to the N-th
// message pump, counting from 1: an Esc that sets the abort flag, a second drop.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <map>
#include <vector>

#include "shared/NullView.h"

class RecordingView : public NullView {
public:
    OptionSnapshot options;

    std::vector<Text> calls;
    std::vector<Text> lines;  // the text area, one entry per line
    bool endsInBreak = true;  // the last line is followed by CR LF (else it was appended as text without one)
    Text clipboard;
    std::array<Text, 4> panels;
    std::int32_t progressMax = 1000;
    std::int32_t progressPosition = 0;
    bool topPanelEnabled = true;
    int pumps = 0;
    // The text area's limit in bytes: an append that would pass it changes nothing and raises AppError, as
    // the real text area's refusal does.
    std::size_t limit = SIZE_MAX;

    void OnPump(int n, std::function<void()> action) { onPump_[n] = std::move(action); }

    // The recorded calls that start with prefix, in order.
    std::vector<Text> CallsStartingWith(const Text& prefix) const;

    // The text area's whole text, byte for byte.
    Text WholeText() const;

    OptionSnapshot ReadOptions() override;
    void AppendLine(const Text& line) override;
    void AppendLines(const std::vector<Text>& lines) override;
    void AppendText(const Text& text) override;
    void SuspendRedraw() override;
    void ResumeRedraw() override;
    std::vector<Text> ReadAllLines() override;
    void ReplaceAllLines(const std::vector<Text>& lines) override;
    void CopyAllText() override;
    void PlaceCaretAtEnd() override;
    void SetStatusText(int panel, const Text& text) override;
    void SetProgressMax(std::int32_t maximum) override;
    void SetProgressPosition(std::int32_t position) override;
    void EnableTopPanel(bool enabled) override;
    void RefreshCaretIndicator() override;
    void PumpMessages() override;
    void ShowMessage(const Text& text) override;

private:
    void CheckRoom(std::size_t added) const;

    std::map<int, std::function<void()>> onPump_;
};
