// A collation that ignores ASCII letter case, folding letters to lower case, so that its order differs from
// plain byte order ("a" < "B", "_" < "a"). Compare and SortKey agree by construction; SortKey calls are
// counted.
#pragma once

#include "platform/Locale.h"

class FakeLocale : public Locale {
public:
    int sortKeys = 0;

    int Compare(const Text& a, const Text& b) override;
    void SortKey(const Text& s, Text& key) override;

private:
    static Text Fold(const Text& s);
};
