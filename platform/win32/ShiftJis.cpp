// Code page 932 through the system's own tables. Named explicitly, never CP_ACP: a user may switch the
// system's ANSI code page to UTF-8, and the program's files and narrow clipboard text stay Shift_JIS.
#include <windows.h>

#include <climits>

#include "platform/Encoding.h"

namespace {

constexpr UINT kCodePage = 932;

// The system's calls take int lengths; longer texts go in parts cut where no character is split.
constexpr std::size_t kPart = INT_MAX / 4;

}  // namespace

WideText WideFromShiftJis(std::string_view bytes) {
    WideText wide;
    std::size_t at = 0;
    while (at < bytes.size()) {
        std::size_t length = bytes.size() - at;
        if (length > kPart) {
            // Cut behind a single-byte character, so the part ends on a character boundary.
            length = kPart;
            while (length > 0 && static_cast<unsigned char>(bytes[at + length - 1]) >= 0x80)
                --length;
            if (length == 0) length = kPart;
        }
        const std::size_t start = wide.size();
        wide.resize(start + length);
        const int written =
            MultiByteToWideChar(kCodePage, 0, bytes.data() + at, static_cast<int>(length),
                                reinterpret_cast<LPWSTR>(&wide[start]), static_cast<int>(length));
        wide.resize(start + (written > 0 ? static_cast<std::size_t>(written) : 0));
        at += length;
    }
    return wide;
}

bool WideToShiftJis(WideView wide, std::string& bytes) {
    bytes.clear();
    bool exact = true;
    std::size_t at = 0;
    while (at < wide.size()) {
        std::size_t length = wide.size() - at;
        if (length > kPart) {
            length = kPart;
            // Never between the two halves of a surrogate pair.
            if (wide[at + length - 1] >= 0xD800 && wide[at + length - 1] < 0xDC00) --length;
        }
        const std::size_t start = bytes.size();
        bytes.resize(start + 2 * length);
        BOOL usedDefault = FALSE;
        const int written = WideCharToMultiByte(
            kCodePage, WC_NO_BEST_FIT_CHARS, reinterpret_cast<LPCWCH>(wide.data() + at),
            static_cast<int>(length), &bytes[start], static_cast<int>(2 * length), nullptr, &usedDefault);
        bytes.resize(start + (written > 0 ? static_cast<std::size_t>(written) : 0));
        if (written <= 0 || usedDefault) exact = false;
        at += length;
    }
    return exact;
}
