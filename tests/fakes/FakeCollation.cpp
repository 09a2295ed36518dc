#include "tests/fakes/FakeCollation.h"

Text FakeCollation::Fold(const Text& s) {
    Text folded = s;
    for (char& c : folded) {
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c + ('a' - 'A'));
    }
    return folded;
}

Text FakeCollation::Key(const Text& s) {
    // The letters without case and without hyphens, a 0 byte, then one mark per kept byte for its case.
    Text primary;
    Text cases;
    for (std::size_t i = 0; i < s.size(); ++i) {
        const auto b = static_cast<unsigned char>(s[i]);
        if (b == '-') continue;
        if (b >= 'A' && b <= 'Z') {
            primary += static_cast<char>(b + 0x20);
            cases += 'u';
        } else {
            primary += static_cast<char>(b);
            cases += b >= 'a' && b <= 'z' ? 'l' : '.';
        }
    }
    return primary + '\0' + cases;
}

Text FakeCollation::KeyOf(const Text& s) const {
    return letterCase_ == LetterCase::kIgnored ? Fold(s) : Key(s);
}

int FakeCollation::Compare(const Text& a, const Text& b) {
    ++compares;
    const int c = KeyOf(a).compare(KeyOf(b));
    return (c > 0) - (c < 0);
}

void FakeCollation::SortKey(const Text& s, Text& key) {
    ++sortKeys;
    key = KeyOf(s);
}
