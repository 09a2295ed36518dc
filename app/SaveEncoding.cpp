#include "app/SaveEncoding.h"

#include <string_view>

#include "platform/Encoding.h"

std::string EncodedForSave(const Text& text, SaveEncoding encoding) {
    switch (encoding) {
        case SaveEncoding::ShiftJis: {
            std::string bytes;
            TextToShiftJis(text, bytes);
            return bytes;
        }
        case SaveEncoding::Utf8WithBom:
            return "\xEF\xBB\xBF" + text;
        case SaveEncoding::Utf8:
            return text;
        case SaveEncoding::Utf16Le: {
            const WideText wide = TextToWide(text);
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

std::size_t LinesShiftJisCannotHold(const Text& text) {
    std::string bytes;
    // Mostly the whole text converts, and one conversion tells; only otherwise is it taken line by line.
    if (TextToShiftJis(text, bytes)) return 0;
    std::size_t lines = 0;
    const std::string_view all(text);
    for (std::size_t from = 0; from < all.size();) {
        const std::size_t breakAt = all.find("\r\n", from);
        const std::size_t to = breakAt == std::string_view::npos ? all.size() : breakAt;
        if (!TextToShiftJis(all.substr(from, to - from), bytes)) ++lines;
        from = to == all.size() ? to : to + 2;
    }
    return lines;
}

Text ShiftJisLossQuestion(std::size_t lines) {
    return std::to_string(lines) +
           " 行に Shift_JIS で表せない文字があり、保存すると「?」になります。\r\n\r\n"
           "はい: UTF-8 (BOM 付き) で保存\r\n"
           "いいえ: Shift_JIS のまま保存\r\n"
           "キャンセル: 保存しない";
}
