#include "text/TextLines.h"

namespace {

constexpr char kCrLf[] = "\r\n";

std::size_t SizeWithBreaks(const std::vector<Text>& lines) {
    std::size_t size = 0;
    for (const Text& line : lines)
        size += line.size() + 2;
    return size;
}

}  // namespace

std::vector<Text> SplitAtCrLf(const Text& text) {
    std::vector<Text> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = text.find(kCrLf, start);
        if (end == Text::npos) {
            lines.push_back(text.substr(start));
            break;
        }
        lines.push_back(text.substr(start, end - start));
        start = end + 2;
    }
    return lines;
}

Text JoinWithCrLf(const std::vector<Text>& lines) {
    return AppendedBlock(lines, true);
}

Text AppendedBlock(const std::vector<Text>& lines, bool afterBreak) {
    Text block;
    block.reserve(SizeWithBreaks(lines));
    for (const Text& line : lines) {
        if (afterBreak) {
            block += line;
            block += kCrLf;
        } else {
            block += kCrLf;
            block += line;
        }
    }
    return block;
}

std::optional<Text> LineAt(const Text& text, std::int64_t index) {
    std::size_t at = 0;
    for (std::int64_t i = 0; i < index; ++i) {
        at = text.find(kCrLf, at);
        if (at == Text::npos) return std::nullopt;
        at += 2;
    }
    const std::size_t end = text.find(kCrLf, at);
    return text.substr(at, end == Text::npos ? Text::npos : end - at);
}

std::int64_t ShiftJisColumn(const Text& line, std::int64_t units) {
    std::int64_t column = 0;
    for (std::size_t at = 0; at < line.size() && units > 0;) {
        const char32_t c = CharacterAt(line, at);
        at += CharacterBytes(line, at);
        units -= c >= 0x10000 ? 2 : 1;
        column += static_cast<std::int64_t>(ShiftJisWidth(c));
    }
    return column;
}
