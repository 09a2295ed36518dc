// The locale services on the Win32 API: CompareStringA and LCMapStringA with NORM_IGNORECASE in the user's
// default locale.
#pragma once

#include <vector>

#include "platform/Locale.h"

class Win32Locale : public Locale {
public:
    int Compare(const Text& a, const Text& b) override;
    void SortKey(const Text& s, Text& key) override;

private:
    // Reused from key to key, so that making a key is one call into the system.
    std::vector<char> keyBuffer_ = std::vector<char>(2048);
};
