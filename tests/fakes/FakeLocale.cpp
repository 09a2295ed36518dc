#include "tests/fakes/FakeLocale.h"

Text FakeLocale::Fold(const Text& s) {
    Text folded = s;
    for (std::size_t i = 0; i < folded.size(); ++i) {
        const auto b = static_cast<unsigned char>(folded[i]);
        if (IsKanjiLead(b)) {
            ++i;
        } else if (b >= 'A' && b <= 'Z') {
            folded[i] = static_cast<char>(b + ('a' - 'A'));
        }
    }
    return folded;
}

int FakeLocale::Compare(const Text& a, const Text& b) {
    return Fold(a).compare(Fold(b));
}

void FakeLocale::SortKey(const Text& s, Text& key) {
    ++sortKeys;
    key = Fold(s);
}
