// Locale services: the user locale's collation, ignoring letter case.
#pragma once

#include "text/Text.h"

class Locale {
public:
    virtual ~Locale() = default;

    // Negative, zero or positive as a sorts before, equal to or after b in the user's locale, ignoring letter
    // case (width and kana type still count).
    virtual int Compare(const Text& a, const Text& b) = 0;

    // Replaces key with a key for s whose order as unsigned bytes (a key that is a prefix of another sorts
    // first) is Compare's order: for any a and b, the keys compare as Compare(a, b) does, equal keys
    // included. Meant to be made once per text and then compared many times; key's storage is reused. The
    // empty text's key is empty.
    virtual void SortKey(const Text& s, Text& key) = 0;
};
