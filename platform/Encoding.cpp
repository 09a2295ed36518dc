#include "platform/Encoding.h"

namespace {

constexpr char32_t kReplacement = 0xFFFD;

void AppendUtf8(Text& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

void AppendUtf16(WideText& out, char32_t c) {
    if (c < 0x10000) {
        out += static_cast<char16_t>(c);
    } else {
        c -= 0x10000;
        out += static_cast<char16_t>(0xD800 | (c >> 10));
        out += static_cast<char16_t>(0xDC00 | (c & 0x3FF));
    }
}

// The sequence at bytes[at] as strict UTF-8 takes it: how many of its bytes are well-formed (at least one),
// and the character when all of them are.
struct Utf8Sequence {
    std::size_t bytes;
    bool complete;
    char32_t c;
};

Utf8Sequence ReadUtf8(std::string_view bytes, std::size_t at) {
    const auto lead = static_cast<unsigned char>(bytes[at]);
    if (lead < 0x80) return {1, true, lead};
    const std::size_t length = Utf8SequenceLength(lead);
    if (length == 1) return {1, false, 0};
    // The second byte's range rules out overlong forms, surrogates and codes past U+10FFFF.
    unsigned char low = 0x80, high = 0xBF;
    if (lead == 0xE0) low = 0xA0;
    if (lead == 0xED) high = 0x9F;
    if (lead == 0xF0) low = 0x90;
    if (lead == 0xF4) high = 0x8F;
    char32_t c = lead & (0x7F >> length);
    std::size_t k = 1;
    for (; k < length && at + k < bytes.size(); ++k) {
        const auto next = static_cast<unsigned char>(bytes[at + k]);
        if (next < low || next > high) break;
        low = 0x80;
        high = 0xBF;
        c = (c << 6) | (next & 0x3F);
    }
    return {k, k == length, c};
}

bool IsHighSurrogate(char32_t c) {
    return c >= 0xD800 && c < 0xDC00;
}

bool IsLowSurrogate(char32_t c) {
    return c >= 0xDC00 && c < 0xE000;
}

}  // namespace

Text WideToText(WideView wide) {
    Text out;
    out.reserve(wide.size() * 3);
    for (std::size_t i = 0; i < wide.size(); ++i) {
        char32_t c = wide[i];
        if (IsHighSurrogate(c) && i + 1 < wide.size() && IsLowSurrogate(wide[i + 1])) {
            c = 0x10000 + ((c - 0xD800) << 10) + (wide[i + 1] - 0xDC00);
            ++i;
        }
        AppendUtf8(out, c);
    }
    return out;
}

WideText TextToWide(std::string_view text) {
    WideText out;
    out.reserve(text.size());
    std::size_t i = 0;
    while (i < text.size()) {
        const auto lead = static_cast<unsigned char>(text[i]);
        if (lead < 0x80) {
            out += static_cast<char16_t>(lead);
            ++i;
            continue;
        }
        std::size_t length = 0;
        char32_t c = 0;
        char32_t least = 0;
        if (lead >= 0xC2 && lead < 0xE0) {
            length = 2, c = lead & 0x1F, least = 0x80;
        } else if (lead >= 0xE0 && lead < 0xF0) {
            length = 3, c = lead & 0x0F, least = 0x800;
        } else if (lead >= 0xF0 && lead < 0xF5) {
            length = 4, c = lead & 0x07, least = 0x10000;
        }
        bool formed = length != 0 && i + length <= text.size();
        for (std::size_t k = 1; formed && k < length; ++k) {
            const auto next = static_cast<unsigned char>(text[i + k]);
            formed = (next & 0xC0) == 0x80;
            c = (c << 6) | (next & 0x3F);
        }
        // Overlong forms and codes past U+10FFFF are no characters; encoded surrogates are kept (see
        // WideToText).
        if (!formed || c < least || c > 0x10FFFF) {
            out += static_cast<char16_t>(kReplacement);
            ++i;
            continue;
        }
        AppendUtf16(out, c);
        i += length;
    }
    return out;
}

Text TextFromUtf8File(std::string_view bytes) {
    Text out;
    out.reserve(bytes.size());
    std::size_t at = 0;
    while (at < bytes.size()) {
        // Runs of ASCII, the bulk of most files, are copied whole.
        std::size_t run = at;
        while (run < bytes.size() && static_cast<unsigned char>(bytes[run]) < 0x80)
            ++run;
        out.append(bytes, at, run - at);
        if (run == bytes.size()) break;
        const Utf8Sequence sequence = ReadUtf8(bytes, run);
        if (sequence.complete)
            out.append(bytes, run, sequence.bytes);
        else
            AppendUtf8(out, kReplacement);
        at = run + sequence.bytes;
    }
    return out;
}

Text TextFromUtf16File(std::string_view bytes, bool bigEndian) {
    const auto unit = [&](std::size_t i) -> char32_t {
        const auto first = static_cast<unsigned char>(bytes[2 * i]);
        const auto second = static_cast<unsigned char>(bytes[2 * i + 1]);
        return bigEndian ? (first << 8 | second) : (second << 8 | first);
    };
    const std::size_t units = bytes.size() / 2;
    Text out;
    out.reserve(bytes.size() * 3 / 2);
    for (std::size_t i = 0; i < units; ++i) {
        char32_t c = unit(i);
        if (IsHighSurrogate(c) && i + 1 < units && IsLowSurrogate(unit(i + 1))) {
            c = 0x10000 + ((c - 0xD800) << 10) + (unit(i + 1) - 0xDC00);
            ++i;
        } else if (IsHighSurrogate(c) || IsLowSurrogate(c)) {
            c = kReplacement;
        }
        AppendUtf8(out, c);
    }
    if (bytes.size() % 2 != 0) AppendUtf8(out, kReplacement);
    return out;
}

Utf8Scan ScanUtf8(std::string_view bytes) {
    Utf8Scan scan;
    while (scan.wellFormed < bytes.size()) {
        const Utf8Sequence sequence = ReadUtf8(bytes, scan.wellFormed);
        if (!sequence.complete) {
            scan.cutShort = Utf8SequenceLength(static_cast<unsigned char>(bytes[scan.wellFormed])) > 1 &&
                            scan.wellFormed + sequence.bytes == bytes.size();
            break;
        }
        scan.wellFormed += sequence.bytes;
    }
    return scan;
}

Text TextFromShiftJis(std::string_view bytes) {
    return WideToText(WideFromShiftJis(bytes));
}

bool TextToShiftJis(std::string_view text, std::string& bytes) {
    return WideToShiftJis(TextToWide(text), bytes);
}
