// The collation on the Win32 API: CompareStringW and LCMapStringW(LCMAP_SORTKEY) over the text as UTF-16, in
// the user's default locale or the one given, with NORM_IGNORECASE when letter case is ignored. Nothing is
// decoded with a locale's code page, so the order does not depend on the user's format setting.
#pragma once

#include <windows.h>

#include <vector>

#include "platform/Collation.h"

class Win32Collation : public Collation {
public:
    explicit Win32Collation(LetterCase letterCase, LCID locale = LOCALE_USER_DEFAULT);

    int Compare(const Text& a, const Text& b) override;
    void SortKey(const Text& s, Text& key) override;

private:
    LCID locale_;
    DWORD flags_;
    // Reused from key to key, so that making a key is one call into the system.
    std::vector<char> keyBuffer_ = std::vector<char>(2048);
};
