#include "platform/win32/Win32Locale.h"

#include <windows.h>

#include <climits>

namespace {

constexpr DWORD kKeyFlags = LCMAP_SORTKEY | NORM_IGNORECASE;

int Length(const Text& s) {
    return s.size() > INT_MAX ? INT_MAX : static_cast<int>(s.size());
}

}  // namespace

int Win32Locale::Compare(const Text& a, const Text& b) {
    const int answer =
        CompareStringA(LOCALE_USER_DEFAULT, NORM_IGNORECASE, a.data(), Length(a), b.data(), Length(b));
    // Only invalid arguments make it fail; the byte order is then the one order left to offer.
    if (answer == 0) return a.compare(b);
    return answer - CSTR_EQUAL;
}

void Win32Locale::SortKey(const Text& s, Text& key) {
    // The system refuses to map an empty text; its key is empty and sorts first, as the empty text does.
    if (s.empty()) {
        key.clear();
        return;
    }
    int length = LCMapStringA(LOCALE_USER_DEFAULT, kKeyFlags, s.data(), Length(s), keyBuffer_.data(),
                              static_cast<int>(keyBuffer_.size()));
    if (length == 0 && GetLastError() == ERROR_INSUFFICIENT_BUFFER) {
        const int needed = LCMapStringA(LOCALE_USER_DEFAULT, kKeyFlags, s.data(), Length(s), nullptr, 0);
        if (needed > 0) {
            keyBuffer_.resize(static_cast<std::size_t>(needed));
            length =
                LCMapStringA(LOCALE_USER_DEFAULT, kKeyFlags, s.data(), Length(s), keyBuffer_.data(), needed);
        }
    }
    // A text the system cannot key sorts after every keyed one, by its bytes, and stays distinct.
    if (length <= 0) {
        key.assign(1, '\xFF');
        key += s;
        return;
    }
    key.assign(keyBuffer_.data(), static_cast<std::size_t>(length));
}
