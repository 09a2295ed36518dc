#include "tests/fakes/RecordingView.h"

#include <string>

#include "text/AppError.h"
#include "text/TextLines.h"

std::vector<Text> RecordingView::CallsStartingWith(const Text& prefix) const {
    std::vector<Text> found;
    for (const Text& call : calls) {
        if (call.compare(0, prefix.size(), prefix) == 0) found.push_back(call);
    }
    return found;
}

Text RecordingView::WholeText() const {
    Text text;
    for (const Text& line : lines)
        text += line + "\r\n";
    if (!endsInBreak && !text.empty()) text.resize(text.size() - 2);
    return text;
}

OptionSnapshot RecordingView::ReadOptions() {
    calls.push_back("options");
    return options;
}

void RecordingView::CheckRoom(std::size_t added) const {
    if (added > limit || WholeText().size() + 2 > limit - added) throw AppError(kTextAreaFullMessage);
}

void RecordingView::AppendLine(const Text& line) {
    calls.push_back("append " + line);
    CheckRoom(line.size() + 2);
    lines.push_back(line);
}

void RecordingView::AppendLines(const std::vector<Text>& added) {
    calls.push_back("append lines " + std::to_string(added.size()));
    CheckRoom(JoinWithCrLf(added).size());
    lines.insert(lines.end(), added.begin(), added.end());
}

void RecordingView::AppendText(const Text& text) {
    calls.push_back("append text " + text);
    if (text.empty()) return;
    CheckRoom(text.size());
    Text whole = WholeText();
    if (!whole.empty() && !endsInBreak) whole += "\r\n";
    whole += text;
    lines = SplitAtCrLf(whole);
    endsInBreak = whole.size() >= 2 && whole.compare(whole.size() - 2, 2, "\r\n") == 0;
}

void RecordingView::SuspendRedraw() {
    calls.push_back("redraw off");
}

void RecordingView::ResumeRedraw() {
    calls.push_back("redraw on");
}

std::vector<Text> RecordingView::ReadAllLines() {
    calls.push_back("read lines");
    return lines;
}

void RecordingView::ReplaceAllLines(const std::vector<Text>& replacement) {
    calls.push_back("replace lines " + std::to_string(replacement.size()));
    lines = replacement;
    endsInBreak = true;
}

void RecordingView::CopyAllText() {
    calls.push_back("copy");
    clipboard = WholeText();
}

void RecordingView::PlaceCaretAtEnd() {
    calls.push_back("caret to end");
}

void RecordingView::SetStatusText(int panel, const Text& text) {
    calls.push_back("status " + std::to_string(panel) + " " + text);
    panels.at(static_cast<std::size_t>(panel)) = text;
}

void RecordingView::SetProgressMax(std::int32_t maximum) {
    calls.push_back("progress max " + std::to_string(maximum));
    progressMax = maximum;
}

void RecordingView::SetProgressPosition(std::int32_t position) {
    calls.push_back("progress " + std::to_string(position));
    progressPosition = position;
}

void RecordingView::EnableTopPanel(bool enabled) {
    calls.push_back(enabled ? "top panel on" : "top panel off");
    topPanelEnabled = enabled;
}

void RecordingView::RefreshCaretIndicator() {
    calls.push_back("caret indicator");
}

void RecordingView::PumpMessages() {
    calls.push_back("pump");
    const auto action = onPump_.find(++pumps);
    if (action != onPump_.end()) action->second();
}

void RecordingView::ShowMessage(const Text& text) {
    calls.push_back("message " + text);
}
