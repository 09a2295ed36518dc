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

// Whether encoded surrogates count as characters: names the system stores may hold lone ones, which must come
// back unchanged; files are read strictly.
enum class Surrogates { kRefused, kKept };

Utf8Sequence ReadUtf8(std::string_view bytes, std::size_t at, Surrogates surrogates = Surrogates::kRefused) {
    const auto lead = static_cast<unsigned char>(bytes[at]);
    if (lead < 0x80) return {1, true, lead};
    const std::size_t length = Utf8SequenceLength(lead);
    if (length == 1) return {1, false, 0};
    // The second byte's range rules out overlong forms, codes past U+10FFFF and, unless kept, surrogates.
    unsigned char low = 0x80, high = 0xBF;
    if (lead == 0xE0) low = 0xA0;
    if (lead == 0xED && surrogates == Surrogates::kRefused) high = 0x9F;
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

// The UTF-8 of count UTF-16 units, unit(i) giving each: a high and a low surrogate join into one character; a
// lone surrogate is kept as it is when surrogates are kept, else replaced.
template <typename Unit>
Text TextFromUtf16(std::size_t count, Unit unit, Surrogates surrogates, std::size_t reserved) {
    Text out;
    out.reserve(reserved);
    for (std::size_t i = 0; i < count; ++i) {
        char32_t c = unit(i);
        if (IsHighSurrogate(c) && i + 1 < count && IsLowSurrogate(unit(i + 1))) {
            c = 0x10000 + ((c - 0xD800) << 10) + (unit(i + 1) - 0xDC00);
            ++i;
        } else if (surrogates == Surrogates::kRefused && (IsHighSurrogate(c) || IsLowSurrogate(c))) {
            c = kReplacement;
        }
        AppendUtf8(out, c);
    }
    return out;
}

}  // namespace

Text WideToText(WideView wide) {
    return TextFromUtf16(
        wide.size(), [&](std::size_t i) -> char32_t { return wide[i]; }, Surrogates::kKept, wide.size() * 3);
}

WideText TextToWide(std::string_view text) {
    WideText out;
    out.reserve(text.size());
    std::size_t i = 0;
    while (i < text.size()) {
        // A byte that starts no character stands for itself as one replacement; what follows is read afresh.
        const Utf8Sequence sequence = ReadUtf8(text, i, Surrogates::kKept);
        if (sequence.complete) {
            AppendUtf16(out, sequence.c);
            i += sequence.bytes;
        } else {
            out += static_cast<char16_t>(kReplacement);
            ++i;
        }
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
    Text out = TextFromUtf16(bytes.size() / 2, unit, Surrogates::kRefused, bytes.size() * 3 / 2);
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
