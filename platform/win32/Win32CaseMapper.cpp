#include "text/ShiftJisBytes.h"
#include "platform/win32/Win32CaseMapper.h"

#include <windows.h>

namespace {

// The lead bytes 0x81..0x9F and 0xE0..0xFC, numbered 0 to 59.
constexpr int kLeads = 60;

int LeadIndex(unsigned char lead) {
    return lead < 0xA0 ? lead - 0x81 : lead - 0xE0 + 31;
}

unsigned char LeadByte(int index) {
    return static_cast<unsigned char>(index < 31 ? 0x81 + index : 0xE0 + index - 31);
}

// The character that bytes stand for, or -1 unless they form exactly one well-formed character.
int Character(const char* bytes, int length) {
    WCHAR wide[2];
    const int units = MultiByteToWideChar(CP_ACP, MB_ERR_INVALID_CHARS, bytes, length, wide, 2);
    return units == 1 ? wide[0] : -1;
}

// The system's mapping of one character given as bytes. Accepted only when it is a real change of letter case
// into a character of the same byte length: the system also rewrites bytes that only convert differently
// (the NEC and IBM codes of one kanji, a malformed pair), and those must stay as they are.
bool MapCharacter(char* bytes, int length, bool upper) {
    const int before = Character(bytes, length);
    if (before < 0) return false;
    char mapped[2] = {bytes[0], length > 1 ? bytes[1] : '\0'};
    const DWORD written = upper ? CharUpperBuffA(mapped, static_cast<DWORD>(length))
                                : CharLowerBuffA(mapped, static_cast<DWORD>(length));
    if (written != static_cast<DWORD>(length)) return false;
    if (IsKanjiLead(static_cast<unsigned char>(mapped[0])) != (length == 2)) return false;
    const int after = Character(mapped, length);
    if (after < 0 || after == before) return false;
    bytes[0] = mapped[0];
    if (length > 1) bytes[1] = mapped[1];
    return true;
}

}  // namespace

void Win32CaseMapper::ToUpper(Text& s) {
    Apply(upper_, true, s);
}

void Win32CaseMapper::ToLower(Text& s) {
    Apply(lower_, false, s);
}

void Win32CaseMapper::Build(Table& table, bool upper) {
    for (int b = 0; b < 256; ++b) {
        char byte = static_cast<char>(b);
        if (!IsKanjiLead(static_cast<unsigned char>(b))) MapCharacter(&byte, 1, upper);
        table.single[static_cast<std::size_t>(b)] = static_cast<unsigned char>(byte);
    }
    table.pairs.resize(kLeads * 256);
    for (int lead = 0; lead < kLeads; ++lead) {
        for (int second = 0; second < 256; ++second) {
            char pair[2] = {static_cast<char>(LeadByte(lead)), static_cast<char>(second)};
            MapCharacter(pair, 2, upper);
            table.pairs[static_cast<std::size_t>(lead * 256 + second)] = static_cast<std::uint16_t>(
                static_cast<unsigned char>(pair[0]) << 8 | static_cast<unsigned char>(pair[1]));
        }
    }
}

void Win32CaseMapper::Apply(Table& table, bool upper, Text& s) {
    if (table.pairs.empty()) Build(table, upper);
    const std::size_t n = s.size();
    for (std::size_t i = 0; i < n; ++i) {
        const auto b = static_cast<unsigned char>(s[i]);
        if (!IsKanjiLead(b)) {
            s[i] = static_cast<char>(table.single[b]);
        } else if (i + 1 < n) {
            const std::uint16_t mapped = table.pairs[static_cast<std::size_t>(
                LeadIndex(b) * 256 + static_cast<unsigned char>(s[i + 1]))];
            s[i] = static_cast<char>(mapped >> 8);
            s[i + 1] = static_cast<char>(mapped & 0xFF);
            ++i;
        }
    }
}
