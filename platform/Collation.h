// The user locale's collation with letter case counting: the order of the edit window's sorts.
#pragma once

#include "text/Text.h"

class Collation {
public:
    virtual ~Collation() = default;

    // Negative, zero or positive as a sorts before, equal to or after b in the user's locale. Case, width
    // and kana type all count, but it is a collation, not byte order: texts with different bytes may be
    // equal.
    virtual int Compare(const Text& a, const Text& b) = 0;

    // Replaces key with a key for s whose order as unsigned bytes (a key that is a prefix of another sorts
    // first) is Compare's order: for any a and b the keys compare as Compare(a, b) does, equal keys exactly
    // when Compare gives 0. Made once per text, then compared many times; key's storage is reused.
    virtual void SortKey(const Text& s, Text& key) = 0;
};
