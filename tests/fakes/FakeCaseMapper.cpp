#include "text/ShiftJisBytes.h"
#include "tests/fakes/FakeCaseMapper.h"

void FakeCaseMapper::ToUpper(Text& s) {
    Map(s, true);
}

void FakeCaseMapper::ToLower(Text& s) {
    Map(s, false);
}

void FakeCaseMapper::Map(Text& s, bool upper) {
    ++calls;
    for (std::size_t i = 0; i < s.size(); ++i) {
        const auto b = static_cast<unsigned char>(s[i]);
        if (IsKanjiLead(b)) {
            if (i + 1 == s.size()) break;
            const auto second = static_cast<unsigned char>(s[i + 1]);
            // ａ..ｚ are 82 81..82 9A, Ａ..Ｚ are 82 60..82 79.
            if (b == 0x82 && upper && second >= 0x81 && second <= 0x9A)
                s[i + 1] = static_cast<char>(second - 0x21);
            if (b == 0x82 && !upper && second >= 0x60 && second <= 0x79)
                s[i + 1] = static_cast<char>(second + 0x21);
            ++i;
        } else if (upper && b >= 'a' && b <= 'z') {
            s[i] = static_cast<char>(b - 0x20);
        } else if (!upper && b >= 'A' && b <= 'Z') {
            s[i] = static_cast<char>(b + 0x20);
        }
    }
}
