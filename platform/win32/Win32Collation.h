// The collation on the Win32 API: CompareStringA and LCMapStringA(LCMAP_SORTKEY) in the user's default
// locale, with NORM_IGNORECASE when letter case is ignored.
#pragma once

#include <vector>

#include "platform/Collation.h"

class Win32Collation : public Collation {
public:
    explicit Win32Collation(LetterCase letterCase);

    int Compare(const Text& a, const Text& b) override;
    void SortKey(const Text& s, Text& key) override;

private:
    unsigned long flags_;
    // Reused from key to key, so that making a key is one call into the system.
    std::vector<char> keyBuffer_ = std::vector<char>(2048);
};
