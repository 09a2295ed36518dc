#include "tests/fakes/FakeCaseMapper.h"

namespace {

constexpr char32_t kFullUpperA = 0xFF21;  // Ａ
constexpr char32_t kFullLowerA = 0xFF41;  // ａ

}  // namespace

void FakeCaseMapper::ToUpper(Text& s) {
    Map(s, true);
}

void FakeCaseMapper::ToLower(Text& s) {
    Map(s, false);
}

void FakeCaseMapper::Map(Text& s, bool upper) {
    ++calls;
    for (std::size_t i = 0; i < s.size();) {
        const auto b = static_cast<unsigned char>(s[i]);
        const std::size_t length = CharacterBytes(s, i);
        const char32_t c = length == 3 ? CharacterAt(s, i) : 0;
        // Ａ..Ｚ are EF BC A1..BA, ａ..ｚ are EF BD 81..9A: the last two bytes tell them apart.
        if (upper && c >= kFullLowerA && c < kFullLowerA + 26) {
            s[i + 1] = '\xBC';
            s[i + 2] = static_cast<char>(static_cast<unsigned char>(s[i + 2]) + 0x20);
        } else if (!upper && c >= kFullUpperA && c < kFullUpperA + 26) {
            s[i + 1] = '\xBD';
            s[i + 2] = static_cast<char>(static_cast<unsigned char>(s[i + 2]) - 0x20);
        } else if (upper && b >= 'a' && b <= 'z') {
            s[i] = static_cast<char>(b - 0x20);
        } else if (!upper && b >= 'A' && b <= 'Z') {
            s[i] = static_cast<char>(b + 0x20);
        }
        i += length;
    }
}
