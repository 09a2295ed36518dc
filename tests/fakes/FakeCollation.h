// A case-sensitive collation that is not byte order: letters compare first without case ("a" < "B"), then
// small before capital ("a" < "A"), and the hyphen is ignored, so that texts with different bytes can be
// equal
// ("a-b" = "ab"). Compare and SortKey agree by construction; both are counted. Texts must not hold the byte
// 0.
#pragma once

#include "platform/Collation.h"

class FakeCollation : public Collation {
public:
    int compares = 0;
    int sortKeys = 0;

    int Compare(const Text& a, const Text& b) override;
    void SortKey(const Text& s, Text& key) override;

    static Text Key(const Text& s);
};
