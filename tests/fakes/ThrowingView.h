// A recording view whose chosen step fails: the n-th call of one kind throws std::bad_alloc instead of doing
// anything, as running out of memory while building a long text would. The failed call is not recorded.
// Kinds are the beginnings of the recorded calls: "append lines", "append text", "copy", "status 3", "pump".
#pragma once

#include <new>
#include <string>

#include "tests/fakes/RecordingView.h"

class ThrowingView : public RecordingView {
public:
    void FailAt(const Text& kind, int occurrence = 1) {
        failing_ = kind;
        occurrence_ = occurrence;
        seen_ = 0;
    }

    OptionSnapshot ReadOptions() override {
        Step("options");
        return RecordingView::ReadOptions();
    }
    void AppendLine(const Text& line) override {
        Step("append");
        RecordingView::AppendLine(line);
    }
    void AppendLines(const std::vector<Text>& added) override {
        Step("append lines");
        RecordingView::AppendLines(added);
    }
    void AppendText(const Text& text) override {
        Step("append text");
        RecordingView::AppendText(text);
    }
    std::vector<Text> ReadAllLines() override {
        Step("read lines");
        return RecordingView::ReadAllLines();
    }
    void ReplaceAllLines(const std::vector<Text>& replacement) override {
        Step("replace lines");
        RecordingView::ReplaceAllLines(replacement);
    }
    void CopyAllText() override {
        Step("copy");
        RecordingView::CopyAllText();
    }
    void PlaceCaretAtEnd() override {
        Step("caret to end");
        RecordingView::PlaceCaretAtEnd();
    }
    void SetStatusText(int panel, const Text& text) override {
        Step("status " + std::to_string(panel));
        RecordingView::SetStatusText(panel, text);
    }
    void SetProgressMax(std::int32_t maximum) override {
        Step("progress max");
        RecordingView::SetProgressMax(maximum);
    }
    void SetProgressPosition(std::int32_t position) override {
        Step("progress");
        RecordingView::SetProgressPosition(position);
    }
    void EnableTopPanel(bool enabled) override {
        Step(enabled ? "top panel on" : "top panel off");
        RecordingView::EnableTopPanel(enabled);
    }
    void RefreshCaretIndicator() override {
        Step("caret indicator");
        RecordingView::RefreshCaretIndicator();
    }
    void PumpMessages() override {
        Step("pump");
        RecordingView::PumpMessages();
    }

private:
    void Step(const Text& kind) {
        if (kind == failing_ && ++seen_ == occurrence_) throw std::bad_alloc();
    }

    Text failing_;
    int occurrence_ = 0;
    int seen_ = 0;
};
