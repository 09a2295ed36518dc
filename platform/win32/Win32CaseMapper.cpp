#include "platform/win32/Win32CaseMapper.h"

#include <windows.h>

#include "platform/Encoding.h"

namespace {

constexpr std::size_t kPlane = 0x10000;

bool IsLead(unsigned b) {
    return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
}

// The character the code stands for, or 0 unless it decodes to one character that encodes back exactly (a
// code the table leaves undefined decodes to a stand-in, which then names another code or none). NUL, which
// has no case, gives 0 too.
char16_t Decoded(const char* code, std::size_t length) {
    const WideText wide = WideFromShiftJis(std::string_view(code, length));
    std::string back;
    if (wide.size() != 1 || !WideToShiftJis(wide, back)) return 0;
    return wide[0];
}

// Every character code page 932 holds, each once (the NEC and IBM codes of one character decode alike).
std::vector<char16_t> CodePageCharacters() {
    std::vector<bool> seen(kPlane);
    std::vector<char16_t> characters;
    const auto add = [&](const char* code, std::size_t length) {
        const char16_t c = Decoded(code, length);
        if (c != 0 && !seen[c]) {
            seen[c] = true;
            characters.push_back(c);
        }
    };
    for (unsigned b = 0; b < 0x100; ++b) {
        const char single = static_cast<char>(b);
        if (!IsLead(b)) add(&single, 1);
        for (unsigned second = 0x40; IsLead(b) && second <= 0xFC; ++second) {
            const char pair[2] = {single, static_cast<char>(second)};
            add(pair, 2);
        }
    }
    return characters;
}

}  // namespace

void Win32CaseMapper::ToUpper(Text& s) {
    if (upper_.empty()) Build();
    Apply(upper_, s);
}

void Win32CaseMapper::ToLower(Text& s) {
    if (lower_.empty()) Build();
    Apply(lower_, s);
}

// A mapping is kept only when it is a real change of letter case into a character the code page holds and
// that takes as many Shift_JIS bytes: text the code page holds keeps its byte length there.
void Win32CaseMapper::Build() {
    const std::vector<char16_t> characters = CodePageCharacters();
    std::vector<bool> held(kPlane);
    for (const char16_t c : characters)
        held[c] = true;
    std::wstring upper(characters.begin(), characters.end());
    std::wstring lower = upper;
    CharUpperBuffW(upper.data(), static_cast<DWORD>(upper.size()));
    CharLowerBuffW(lower.data(), static_cast<DWORD>(lower.size()));
    upper_.assign(kPlane, 0);
    lower_.assign(kPlane, 0);
    for (std::size_t i = 0; i < characters.size(); ++i) {
        const char16_t c = characters[i];
        for (const auto& [mapped, table] : {std::pair{upper[i], &upper_}, std::pair{lower[i], &lower_}}) {
            const auto m = static_cast<char16_t>(mapped);
            if (m != c && held[m] && ShiftJisWidth(m) == ShiftJisWidth(c)) (*table)[c] = m;
        }
    }
}

void Win32CaseMapper::Apply(const Table& table, Text& s) {
    for (std::size_t i = 0; i < s.size();) {
        const auto b = static_cast<unsigned char>(s[i]);
        if (b < 0x80) {
            if (table[b] != 0) s[i] = static_cast<char>(table[b]);
            ++i;
            continue;
        }
        const std::size_t length = CharacterBytes(s, i);
        const char32_t c = CharacterAt(s, i);
        const char16_t mapped = c < kPlane && length > 1 ? table[c] : 0;
        if (mapped == 0) {
            i += length;
            continue;
        }
        const Text replacement = WideToText(WideView(&mapped, 1));
        s.replace(i, length, replacement);
        i += replacement.size();
    }
}
