// The user locale's collation: its comparison and sort keys, with letter case either ignored (the order and
// the duplicates of a drop's path list) or counting (the edit window's sorts), as the implementation is made.
#pragma once

#include "text/Text.h"

enum class LetterCase { kIgnored, kCounts };

class Collation {
public:
    virtual ~Collation() = default;

    // Negative, zero or positive as a sorts before, equal to or after b in the user's locale. Width and kana
    // type always count, case as the collation was made; it is a collation, not byte order: texts with
    // different bytes may be equal.
    virtual int Compare(const Text& a, const Text& b) = 0;

    // Replaces key with a key for s whose order as unsigned bytes (a key that is a prefix of another sorts
    // first) is Compare's order: for any a and b the keys compare as Compare(a, b) does, equal keys exactly
    // when Compare gives 0. Made once per text, then compared many times; key's storage is reused.
    virtual void SortKey(const Text& s, Text& key) = 0;
};
