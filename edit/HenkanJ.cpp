#include "text/ShiftJisBytes.h"
#include "edit/HenkanJ.h"

#include <cstddef>

namespace HenkanJ {
namespace {

constexpr unsigned char kVoicedMark = 0xDE;      // ﾞ
constexpr unsigned char kSemiVoicedMark = 0xDF;  // ﾟ
constexpr unsigned char kFirstHanKana = 0xA6;    // ｦ, first byte covered by HanKanaTable
constexpr unsigned kHanKanaCount = 56;           // ｦ..ﾝ, the base of ZenKanaTable entries
constexpr std::uint8_t kVoicingFlag = 0x80;
constexpr std::uint8_t kCellMask = 0x7F;
constexpr std::uint16_t kAlnumRow = 0x2300;
constexpr std::uint16_t kKanaRow = 0x2500;
constexpr unsigned kFirstKanaCell = 0x21;
constexpr unsigned char kSymbolLead = 0x81;

constexpr unsigned char Byte(char c) {
    return static_cast<unsigned char>(c);
}

constexpr std::uint16_t Code(unsigned char hi, unsigned char lo) {
    return static_cast<std::uint16_t>(hi << 8 | lo);
}

// Position of each byte in HanSymbols, -1 for bytes that are not symbols.
constexpr std::array<int, 256> kHanSymbolIndex = [] {
    std::array<int, 256> index{};
    for (int& k : index)
        k = -1;
    for (std::size_t i = 0; i < HanSymbols.size(); ++i) {
        if (index[Byte(HanSymbols[i])] < 0) index[Byte(HanSymbols[i])] = static_cast<int>(i);
    }
    return index;
}();

constexpr bool AllZenSymbolsShareLead() {
    for (std::size_t i = 0; i < ZenSymbols.size(); i += 2) {
        if (Byte(ZenSymbols[i]) != kSymbolLead) return false;
    }
    return true;
}
static_assert(AllZenSymbolsShareLead(), "ZenSymbols are looked up by their second byte alone");

// Position of each ZenSymbols entry, keyed by its second byte; -1 for none.
// Whole entries only: a pair straddling two entries must not match.
constexpr std::array<int, 256> kZenSymbolIndex = [] {
    std::array<int, 256> index{};
    for (int& k : index)
        k = -1;
    for (std::size_t i = 0; i + 1 < ZenSymbols.size(); i += 2) {
        if (index[Byte(ZenSymbols[i + 1])] < 0) index[Byte(ZenSymbols[i + 1])] = static_cast<int>(i / 2);
    }
    return index;
}();

constexpr bool IsHanKana(unsigned char b) {
    // 0xB0 (ｰ) is a symbol, not a kana.
    return (b >= 0xA6 && b <= 0xAF) || (b >= 0xB1 && b <= 0xDF);
}

constexpr bool IsAsciiAlnum(unsigned char b) {
    return (b >= 0x30 && b <= 0x39) || (b >= 0x41 && b <= 0x5A) || (b >= 0x61 && b <= 0x7A);
}

void AppendJis(Text& out, std::uint16_t jis) {
    out += CodeToStr(JisToSjis(jis));
}

// Converts the character at s[i] (with its voicing mark, if any) and returns
// the number of bytes it took.
std::size_t HanCharToZen(const Text& s, std::size_t i, Text& out) {
    const unsigned char b = Byte(s[i]);
    const bool hasNext = i + 1 < s.size();
    const int n = hasNext ? Byte(s[i + 1]) : -1;

    if (IsKanjiLead(b)) {
        const std::size_t len = hasNext ? 2 : 1;
        out.append(s, i, len);
        return len;
    }
    if (IsHanKana(b)) {
        const std::uint8_t e = HanKanaTable[b - kFirstHanKana];
        if (e == 0) {
            out += s[i];
            return 1;
        }
        const auto kana = static_cast<std::uint16_t>(kKanaRow + (e & kCellMask));
        const bool voiceable = (e & kVoicingFlag) != 0;
        if (voiceable && n == kVoicedMark) {
            AppendJis(out, static_cast<std::uint16_t>(kana + 1));
            return 2;
        }
        if (voiceable && b >= 0xCA && b <= 0xCE && n == kSemiVoicedMark) {  // ﾊﾋﾌﾍﾎ
            AppendJis(out, static_cast<std::uint16_t>(kana + 2));
            return 2;
        }
        AppendJis(out, kana);
        if (n == kVoicedMark || n == kSemiVoicedMark) {
            // A mark that cannot join the kana becomes ゛ (0x212B) or ゜ (0x212C).
            AppendJis(out, static_cast<std::uint16_t>(0x204D + n));
            return 2;
        }
        return 1;
    }
    if (IsAsciiAlnum(b)) {
        AppendJis(out, static_cast<std::uint16_t>(kAlnumRow + b));
        return 1;
    }
    if (const int k = kHanSymbolIndex[b]; k >= 0) {
        out.append(ZenSymbols.substr(2 * static_cast<std::size_t>(k), 2));
        return 1;
    }
    out += s[i];
    return 1;
}

// Converts the character at s[i] and returns the number of bytes it took.
std::size_t ZenCharToHan(const Text& s, std::size_t i, Text& out) {
    const unsigned char b = Byte(s[i]);
    if (!IsKanjiLead(b) || i + 1 == s.size()) {
        out += s[i];
        return 1;
    }
    const unsigned char n = Byte(s[i + 1]);
    const std::uint16_t jis = SjisToJis(Code(b, n));
    const unsigned row = jis >> 8;
    const unsigned cell = jis & 0xFF;

    if (row == (kKanaRow >> 8)) {
        if (cell >= kFirstKanaCell && cell < kFirstKanaCell + ZenKanaTable.size()) {
            const unsigned e = ZenKanaTable[cell - kFirstKanaCell];
            out += static_cast<char>(kFirstHanKana + e % kHanKanaCount);
            if (e / kHanKanaCount == 1) out += static_cast<char>(kVoicedMark);
            if (e / kHanKanaCount == 2) out += static_cast<char>(kSemiVoicedMark);
        } else {
            out.append(s, i, 2);
        }
        return 2;
    }
    if (b == kSymbolLead) {
        if (const int k = kZenSymbolIndex[n]; k >= 0) {
            out += HanSymbols[static_cast<std::size_t>(k)];
            return 2;
        }
    }
    if (row == (kAlnumRow >> 8)) {
        // Also the unassigned codes of the row: each becomes the ASCII byte of its cell.
        out += static_cast<char>(cell);
        return 2;
    }
    out.append(s, i, 2);
    return 2;
}

}  // namespace

Text HanToZen(const Text& s) {
    Text out;
    out.reserve(2 * s.size());  // no character grows by more than a factor of two
    for (std::size_t i = 0; i < s.size();)
        i += HanCharToZen(s, i, out);
    return out;
}

Text ZenToHan(const Text& s) {
    Text out;
    out.reserve(s.size());  // no character grows
    for (std::size_t i = 0; i < s.size();)
        i += ZenCharToHan(s, i, out);
    return out;
}

// Shift_JIS packs two JIS rows into one lead byte: odd rows use second bytes
// 0x40..0x9E, even rows 0x9F..0xFC. The 8-bit steps below do exactly that.
std::uint16_t JisToSjis(std::uint16_t jis) {
    const auto sum = static_cast<std::uint16_t>(jis + 0xA17E);
    const auto high = static_cast<std::uint8_t>(sum >> 8);
    auto low = static_cast<std::uint8_t>(sum & 0xFF);
    if ((high & 1) == 0) low = static_cast<std::uint8_t>(low - (low < 0xDE ? 0x5F : 0x5E));
    return Code(static_cast<std::uint8_t>((high >> 1) ^ 0xE0), low);
}

std::uint16_t SjisToJis(std::uint16_t sjis) {
    const auto high = static_cast<std::uint8_t>((sjis >> 8) * 2);
    auto low = static_cast<std::uint8_t>((sjis & 0xFF) - 0x1F);
    if (low < 0x80) low = static_cast<std::uint8_t>(low + (low < 0x61 ? 0xDF : 0xDE));
    return static_cast<std::uint16_t>((Code(high, low) + 0x1FA1) & 0x7F7F);
}

Text CodeToStr(std::uint16_t code) {
    return Text{static_cast<char>(code >> 8), static_cast<char>(code & 0xFF)};
}

std::uint16_t StrToCode(const Text& s) {
    return Code(s.size() > 0 ? Byte(s[0]) : 0, s.size() > 1 ? Byte(s[1]) : 0);
}

std::uint16_t SymbolToZen(unsigned char b) {
    const int k = kHanSymbolIndex[b];
    if (k < 0) return b;
    const auto at = 2 * static_cast<std::size_t>(k);
    return Code(Byte(ZenSymbols[at]), Byte(ZenSymbols[at + 1]));
}

}  // namespace HenkanJ
