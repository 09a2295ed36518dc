#include "edit/HenkanJ.h"

#include <cstddef>

namespace HenkanJ {
namespace {

constexpr char32_t kVoicedMark = 0xFF9E;                // ﾞ
constexpr char32_t kSemiVoicedMark = 0xFF9F;            // ﾟ
constexpr char32_t kFirstHanKana = 0xFF66;              // ｦ, first character covered by HanKanaTable
constexpr char32_t kProlongedMark = 0xFF70;             // ｰ, a symbol among the kana
constexpr char32_t kFirstZenKana = 0x30A1;              // ァ, first character covered by ZenKanaTable
constexpr char32_t kKanaCellBase = 0x3080;              // the full-width katakana of JIS row 0x25, cell 0
constexpr char32_t kFullWidthOffset = 0xFEE0;           // from ASCII to the full-width letters and digits
constexpr char32_t kAloneMarks = kVoicedMark - 0x309B;  // from ﾞ ﾟ to ゛ ゜, marks that stand alone
constexpr char32_t kCombiningVoiced = 0x3099;           // the voiced mark as names decomposed write it
constexpr char32_t kCombiningSemiVoiced = 0x309A;
constexpr unsigned kHanKanaCount = 56;  // ｦ..ﾝ, the base of ZenKanaTable entries
constexpr std::uint8_t kVoicingFlag = 0x80;
constexpr std::uint8_t kCellMask = 0x7F;

// The half-width symbols are ASCII or in the block U+FF61..U+FF9F; the full-width ones are scattered.
constexpr char32_t kHalfBlock = 0xFF61;
constexpr std::size_t kHalfBlockSize = 0x3F;

// Position in HanSymbols of each ASCII character and of each of the half-width block; -1 for none.
constexpr std::array<signed char, 0x80 + kHalfBlockSize> kHanSymbolIndex = [] {
    std::array<signed char, 0x80 + kHalfBlockSize> index{};
    for (signed char& k : index)
        k = -1;
    for (std::size_t i = 0; i < HanSymbols.size(); ++i) {
        const char16_t c = HanSymbols[i];
        index[c < 0x80 ? c : 0x80 + (c - kHalfBlock)] = static_cast<signed char>(i);
    }
    return index;
}();

int HanSymbolIndex(char32_t c) {
    if (c < 0x80) return kHanSymbolIndex[c];
    if (c >= kHalfBlock && c < kHalfBlock + kHalfBlockSize) return kHanSymbolIndex[0x80 + (c - kHalfBlock)];
    return -1;
}

// Only the full-width symbols' ranges are searched: a kanji costs no look-up.
int ZenSymbolIndex(char32_t c) {
    const bool candidate = (c >= 0x2018 && c <= 0x201D) || (c >= 0x3000 && c <= 0x30FC) || c >= 0xFF01;
    if (!candidate || c > 0xFFFF) return -1;
    const std::size_t at = ZenSymbols.find(static_cast<char16_t>(c));
    return at == std::u16string_view::npos ? -1 : static_cast<int>(at);
}

constexpr bool IsAsciiAlnum(char32_t c) {
    return (c >= 0x30 && c <= 0x39) || (c >= 0x41 && c <= 0x5A) || (c >= 0x61 && c <= 0x7A);
}

// Every character converted to or from lies in the Basic Multilingual Plane.
void Append(Text& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | c >> 6);
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | c >> 12);
        out += static_cast<char>(0x80 | (c >> 6 & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

// The full-width form of an ASCII letter, digit or symbol; 0 for any other character.
char32_t ZenFormOf(char32_t c) {
    if (IsAsciiAlnum(c)) return c + kFullWidthOffset;
    const int k = HanSymbolIndex(c);
    return k >= 0 ? ZenSymbols[static_cast<std::size_t>(k)] : 0;
}

// The half-width form of a full-width letter, digit or symbol; 0 for any other character.
char32_t HanFormOf(char32_t c) {
    const char32_t ascii = c - kFullWidthOffset;
    if (c > kFullWidthOffset && ascii < 0x80 && IsAsciiAlnum(ascii)) return ascii;
    const int k = ZenSymbolIndex(c);
    return k >= 0 ? HanSymbols[static_cast<std::size_t>(k)] : 0;
}

// Appends form, or where there is none the character itself: its length bytes at s[i].
void AppendFormOrItself(char32_t form, const Text& s, std::size_t i, std::size_t length, Text& out) {
    if (form != 0) {
        Append(out, form);
    } else {
        out.append(s, i, length);
    }
}

// Converts the character at s[i] (with its voicing mark, if any) and returns the number of bytes it took.
std::size_t HanCharToZen(const Text& s, std::size_t i, Text& out) {
    const std::size_t length = CharacterBytes(s, i);
    const char32_t c = CharacterAt(s, i);
    if (c >= kFirstHanKana && c <= kSemiVoicedMark && c != kProlongedMark) {
        const std::uint8_t e = HanKanaTable[c - kFirstHanKana];
        if (e == 0) {
            out.append(s, i, length);
            return length;
        }
        const std::size_t next = i + length;
        const char32_t n = next < s.size() ? CharacterAt(s, next) : 0;
        const std::size_t withMark = next < s.size() ? length + CharacterBytes(s, next) : length;
        const char32_t kana = kKanaCellBase + (e & kCellMask);
        const bool voiceable = (e & kVoicingFlag) != 0;
        if (voiceable && n == kVoicedMark) {
            Append(out, kana + 1);
            return withMark;
        }
        if (voiceable && c >= 0xFF8A && c <= 0xFF8E && n == kSemiVoicedMark) {  // ﾊﾋﾌﾍﾎ
            Append(out, kana + 2);
            return withMark;
        }
        Append(out, kana);
        if (n == kVoicedMark || n == kSemiVoicedMark) {
            // A mark that cannot join the kana becomes ゛ or ゜.
            Append(out, n - kAloneMarks);
            return withMark;
        }
        return length;
    }
    AppendFormOrItself(ZenFormOf(c), s, i, length, out);
    return length;
}

// A combining mark at s[next] after a kana (パ decomposed, as Mac and some web names write it, is ハ and
// U+309A) is the kana's own mark: it becomes ﾞ or ﾟ, so the pair turns out as the composed kana would.
// Returns the number of bytes it took, 0 when s[next] holds no such mark.
std::size_t JoinCombiningMark(const Text& s, std::size_t next, Text& out) {
    if (next >= s.size()) return 0;
    const char32_t n = CharacterAt(s, next);
    if (n != kCombiningVoiced && n != kCombiningSemiVoiced) return 0;
    Append(out, n == kCombiningVoiced ? kVoicedMark : kSemiVoicedMark);
    return CharacterBytes(s, next);
}

constexpr bool IsHanKana(char32_t c) {
    return c >= kFirstHanKana && c < kFirstHanKana + kHanKanaCount && c != kProlongedMark;
}

// Converts the character at s[i] (with a combining mark after a kana) and returns the number of bytes it
// took.
std::size_t ZenCharToHan(const Text& s, std::size_t i, Text& out) {
    if (static_cast<unsigned char>(s[i]) < 0x80) {
        out += s[i];
        return 1;
    }
    const std::size_t length = CharacterBytes(s, i);
    const char32_t c = CharacterAt(s, i);
    if (c >= kFirstZenKana && c < kFirstZenKana + ZenKanaTable.size()) {
        const unsigned e = ZenKanaTable[c - kFirstZenKana];
        Append(out, kFirstHanKana + e % kHanKanaCount);
        if (e / kHanKanaCount == 1) Append(out, kVoicedMark);
        if (e / kHanKanaCount == 2) Append(out, kSemiVoicedMark);
        return length + JoinCombiningMark(s, i + length, out);
    }
    AppendFormOrItself(HanFormOf(c), s, i, length, out);
    return IsHanKana(c) ? length + JoinCombiningMark(s, i + length, out) : length;
}

}  // namespace

Text HanToZen(const Text& s) {
    Text out;
    out.reserve(3 * s.size());  // an ASCII character grows most, from one byte to three
    for (std::size_t i = 0; i < s.size();)
        i += HanCharToZen(s, i, out);
    return out;
}

Text ZenToHan(const Text& s) {
    Text out;
    out.reserve(s.size());  // only a voiced kana grows
    for (std::size_t i = 0; i < s.size();)
        i += ZenCharToHan(s, i, out);
    return out;
}

}  // namespace HenkanJ
