// A collation that is not byte order, made either way. Ignoring case, it folds ASCII letters to lower case
// ("a" < "B", "_" < "a", "a" = "A"). Counting case, letters compare first without case, then small before
// capital ("a" < "A"), and the hyphen is ignored, so that texts with different bytes can be equal ("a-b" =
// "ab"); texts must then not hold the byte 0. Compare and SortKey agree by construction; both are counted.
#pragma once

#include "platform/Collation.h"

class FakeCollation : public Collation {
public:
    explicit FakeCollation(LetterCase letterCase = LetterCase::kCounts) : letterCase_(letterCase) {}

    int compares = 0;
    int sortKeys = 0;

    int Compare(const Text& a, const Text& b) override;
    void SortKey(const Text& s, Text& key) override;

    // The key counting case.
    static Text Key(const Text& s);

private:
    Text KeyOf(const Text& s) const;
    static Text Fold(const Text& s);

    LetterCase letterCase_;
};
