#include "app/SaveEncoding.h"

#include <string_view>

#include "platform/Encoding.h"

std::string EncodedForSave(const Text& text, SaveEncoding encoding) {
    switch (encoding) {
        case SaveEncoding::ShiftJis: {
            std::string bytes;
            TextToShiftJisFile(text, bytes);
            return bytes;
        }
        case SaveEncoding::Utf8WithBom:
            return "\xEF\xBB\xBF" + WithoutLoneSurrogates(text);
        case SaveEncoding::Utf8:
            return WithoutLoneSurrogates(text);
        case SaveEncoding::Utf16Le: {
            const WideText wide = TextToWide(WithoutLoneSurrogates(text));
            std::string bytes = "\xFF\xFE";
            bytes.reserve(2 + 2 * wide.size());
            for (const char16_t unit : wide) {
                bytes += static_cast<char>(unit & 0xFF);
                bytes += static_cast<char>(unit >> 8);
            }
            return bytes;
        }
    }
    return text;
}

namespace {

// How many lines (split at CR LF) of text fail holds.
template <typename Holds>
std::size_t LinesFailing(std::string_view text, Holds holds) {
    std::size_t lines = 0;
    for (std::size_t from = 0; from < text.size();) {
        const std::size_t breakAt = text.find("\r\n", from);
        const std::size_t to = breakAt == std::string_view::npos ? text.size() : breakAt;
        if (!holds(text.substr(from, to - from))) ++lines;
        from = to == text.size() ? to : to + 2;
    }
    return lines;
}

}  // namespace

std::size_t LinesShiftJisCannotHold(const Text& text) {
    std::string bytes;
    // Mostly the whole text converts, and one conversion tells; only otherwise is it taken line by line.
    if (TextToShiftJisFile(text, bytes)) return 0;
    return LinesFailing(text, [&](std::string_view line) { return TextToShiftJisFile(line, bytes); });
}

std::size_t LinesUnicodeCannotHold(const Text& text) {
    if (!HoldsLoneSurrogate(text)) return 0;
    return LinesFailing(text, [](std::string_view line) { return !HoldsLoneSurrogate(line); });
}

Text ShiftJisLossQuestion(std::size_t lines) {
    return std::to_string(lines) +
           " 行に Shift_JIS で表せない文字があり、保存すると「?」になります。\r\n\r\n"
           "はい: UTF-8 (BOM 付き) で保存\r\n"
           "いいえ: Shift_JIS のまま保存\r\n"
           "キャンセル: 保存しない";
}

Text UnicodeLossQuestion(std::size_t lines) {
    return std::to_string(lines) +
           " 行に Unicode で表せないバイト (Shift_JIS にない符号) があり、保存すると「�」になります。\r\n\r\n"
           "はい: Shift_JIS で保存 (バイトはそのまま)\r\n"
           "いいえ: このまま保存\r\n"
           "キャンセル: 保存しない";
}
