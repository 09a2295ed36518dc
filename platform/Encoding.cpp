#include "platform/Encoding.h"

#include <bitset>
#include <cstring>

#include "text/ShiftJisBytes.h"

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

namespace {

bool IsShiftJisTrail(unsigned char b) {
    return (b >= 0x40 && b <= 0x7E) || (b >= 0x80 && b <= 0xFC);
}

// Whether the system's table gives code a character of its own. A code the table leaves empty decodes to the
// code page's default character ・ (which is 81 45's own), to U+FFFD or to "?".
bool Stands(char16_t unit, std::string_view code) {
    if (unit == 0xFFFD || unit == u'?' || (unit >= 0xD800 && unit < 0xE000)) return false;
    return unit != 0x30FB || code == "\x81\x45";
}

// The codes code page 932 defines, single bytes by their value and pairs by lead << 8 | trail, taken once
// from the system's own table.
class DefinedCodes {
public:
    DefinedCodes() {
        for (unsigned b = 0; b < 0x80; ++b)
            defined_[b] = true;
        for (unsigned b = 0x80; b < 0x100; ++b) {
            if (IsKanjiLead(static_cast<unsigned char>(b))) continue;
            const std::string code(1, static_cast<char>(b));
            const WideText wide = WideFromShiftJis(code);
            defined_[b] = wide.size() == 1 && Stands(wide[0], code);
        }
        for (unsigned lead = 0x81; lead < 0x100; ++lead) {
            if (IsKanjiLead(static_cast<unsigned char>(lead))) DefineRow(lead);
        }
    }

    bool Pair(unsigned char lead, unsigned char trail) const { return defined_[lead << 8 | trail]; }

    // The bytes of the defined character at bytes[at], or 0.
    std::size_t CharacterBytes(std::string_view bytes, std::size_t at) const {
        const auto b = static_cast<unsigned char>(bytes[at]);
        if (!IsKanjiLead(b)) return defined_[b] ? 1 : 0;
        return at + 1 < bytes.size() && Pair(b, static_cast<unsigned char>(bytes[at + 1])) ? 2 : 0;
    }

private:
    // One conversion a row; only where it does not give one unit a code is each code asked alone.
    void DefineRow(unsigned lead) {
        std::string row;
        for (unsigned trail = 0x40; trail <= 0xFC; ++trail) {
            if (!IsShiftJisTrail(static_cast<unsigned char>(trail))) continue;
            row += static_cast<char>(lead);
            row += static_cast<char>(trail);
        }
        const WideText wide = WideFromShiftJis(row);
        for (std::size_t i = 0; i < row.size(); i += 2) {
            const std::string_view code = std::string_view(row).substr(i, 2);
            bool stands = false;
            if (wide.size() * 2 == row.size()) {
                stands = Stands(wide[i / 2], code);
            } else {
                const WideText alone = WideFromShiftJis(code);
                stands = alone.size() == 1 && Stands(alone[0], code);
            }
            defined_[lead << 8 | static_cast<unsigned char>(code[1])] = stands;
        }
    }

    std::bitset<0x10000> defined_;
};

const DefinedCodes& Codes() {
    static const DefinedCodes codes;
    return codes;
}

// The UTF-8 of Shift_JIS bytes that are all defined.
void AppendShiftJis(Text& out, std::string_view bytes) {
    if (!bytes.empty()) out += WideToText(WideFromShiftJis(bytes));
}

constexpr char16_t kByteCarrier = 0xDC00;

bool CarriesByte(WideView wide, std::size_t i) {
    return wide[i] >= 0xDC80 && wide[i] <= 0xDCFF && (i == 0 || !IsHighSurrogate(wide[i - 1]));
}

bool IsEucByte(unsigned char b) {
    return b >= 0xA1 && b <= 0xFE;
}

// The Shift_JIS code of the JIS X 0208 code EUC-JP writes as lead, trail (each 0xA1..0xFE).
void AppendJisAsShiftJis(std::string& out, unsigned char lead, unsigned char trail) {
    const unsigned row = lead - 0x80u;
    const unsigned cell = trail - 0x80u;
    out += static_cast<char>((row + 1) / 2 + (row <= 0x5E ? 0x70 : 0xB0));
    out += static_cast<char>(cell + (row % 2 != 0 ? (cell >= 0x60 ? 0x20 : 0x1F) : 0x7E));
}

// The EUC-JP character at bytes[at] as Shift_JIS bytes: how many bytes it takes (0: none is well-formed
// there) and the code, empty when code page 932 does not hold it.
std::size_t EucJpAsShiftJis(std::string_view bytes, std::size_t at, std::string& code) {
    code.clear();
    const auto b = static_cast<unsigned char>(bytes[at]);
    if (b < 0x80) {
        code += static_cast<char>(b);
        return 1;
    }
    const auto next = at + 1 < bytes.size() ? static_cast<unsigned char>(bytes[at + 1]) : 0u;
    if (b == 0x8E) {
        if (next < 0xA1 || next > 0xDF) return 0;
        code += static_cast<char>(next);
        return 2;
    }
    if (b == 0x8F) {
        const auto last = at + 2 < bytes.size() ? static_cast<unsigned char>(bytes[at + 2]) : 0u;
        return IsEucByte(static_cast<unsigned char>(next)) && IsEucByte(static_cast<unsigned char>(last)) ? 3
                                                                                                          : 0;
    }
    if (!IsEucByte(b) || !IsEucByte(static_cast<unsigned char>(next))) return 0;
    AppendJisAsShiftJis(code, b, static_cast<unsigned char>(next));
    if (!Codes().Pair(static_cast<unsigned char>(code[0]), static_cast<unsigned char>(code[1]))) code.clear();
    return 2;
}

}  // namespace

std::size_t ShiftJisCharacterBytes(std::string_view bytes, std::size_t at) {
    return Codes().CharacterBytes(bytes, at);
}

Text TextFromShiftJisFile(std::string_view bytes) {
    const DefinedCodes& codes = Codes();
    Text out;
    out.reserve(bytes.size() + bytes.size() / 2);
    std::size_t run = 0;  // where the defined bytes not yet converted start
    std::size_t at = 0;
    while (at < bytes.size()) {
        if (static_cast<unsigned char>(bytes[at]) < 0x80) {
            ++at;
            continue;
        }
        if (const std::size_t width = codes.CharacterBytes(bytes, at)) {
            at += width;
            continue;
        }
        AppendShiftJis(out, bytes.substr(run, at - run));
        AppendUtf8(out, kByteCarrier + static_cast<unsigned char>(bytes[at]));
        run = ++at;
    }
    AppendShiftJis(out, bytes.substr(run));
    return out;
}

bool WideToShiftJisFile(WideView wide, std::string& bytes) {
    bytes.clear();
    bool exact = true;
    std::string part;
    std::size_t run = 0;
    for (std::size_t i = 0; i < wide.size(); ++i) {
        if (!CarriesByte(wide, i)) continue;
        if (i > run) {
            exact = WideToShiftJis(wide.substr(run, i - run), part) && exact;
            bytes += part;
        }
        bytes += static_cast<char>(wide[i] - kByteCarrier);
        run = i + 1;
    }
    if (run == 0) return WideToShiftJis(wide, bytes);
    if (run < wide.size()) {
        exact = WideToShiftJis(wide.substr(run), part) && exact;
        bytes += part;
    }
    return exact;
}

bool TextToShiftJisFile(std::string_view text, std::string& bytes) {
    return WideToShiftJisFile(TextToWide(text), bytes);
}

EucJpCharacter EucJpCharacterAt(std::string_view bytes, std::size_t at) {
    std::string code;
    const std::size_t width = EucJpAsShiftJis(bytes, at, code);
    return {width, !code.empty()};
}

Text TextFromEucJpFile(std::string_view bytes) {
    Text out;
    out.reserve(bytes.size() + bytes.size() / 2);
    std::string shiftJis;  // the characters read since the last one that could not be held
    std::string code;
    std::size_t at = 0;
    while (at < bytes.size()) {
        if (static_cast<unsigned char>(bytes[at]) < 0x80) {
            shiftJis += bytes[at++];
            continue;
        }
        const std::size_t width = EucJpAsShiftJis(bytes, at, code);
        if (!code.empty()) {
            shiftJis += code;
        } else {
            AppendShiftJis(out, shiftJis);
            shiftJis.clear();
            AppendUtf8(out, kReplacement);
        }
        at += width > 0 ? width : 1;
    }
    AppendShiftJis(out, shiftJis);
    return out;
}

namespace {

// The three bytes of an encoded surrogate start ED A0..ED BF; a pair would have been joined into four bytes.
bool IsEncodedSurrogate(std::string_view text, std::size_t at) {
    return static_cast<unsigned char>(text[at]) == 0xED && at + 2 < text.size() &&
           (static_cast<unsigned char>(text[at + 1]) & 0xE0) == 0xA0;
}

}  // namespace

bool HoldsLoneSurrogate(std::string_view text) {
    for (std::size_t at = text.find('\xED'); at != std::string_view::npos; at = text.find('\xED', at + 1)) {
        if (IsEncodedSurrogate(text, at)) return true;
    }
    return false;
}

Text WithoutLoneSurrogates(std::string_view text) {
    Text out(text);
    for (std::size_t at = out.find('\xED'); at != Text::npos; at = out.find('\xED', at + 1)) {
        if (IsEncodedSurrogate(out, at)) out.replace(at, 3, "\xEF\xBF\xBD");
    }
    return out;
}
