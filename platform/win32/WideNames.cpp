#include "platform/win32/WideNames.h"

namespace {

constexpr UINT kCodePage = 932;
// Folders take paths a little shorter than files under the classic rules (room for an 8.3 name).
constexpr std::size_t kClassicLimit = MAX_PATH - 12;
const std::wstring kLongPrefix = L"\\\\?\\";
const std::wstring kLongUncPrefix = L"\\\\?\\UNC\\";

bool IsSeparator(wchar_t c) {
    return c == L'\\' || c == L'/';
}

bool StartsWith(const std::wstring& s, const std::wstring& prefix) {
    return s.compare(0, prefix.size(), prefix) == 0;
}

bool IsDriveAbsolute(const std::wstring& s) {
    return s.size() >= 3 && s[1] == L':' && IsSeparator(s[2]) &&
           ((s[0] >= L'A' && s[0] <= L'Z') || (s[0] >= L'a' && s[0] <= L'z'));
}

bool IsUnc(const std::wstring& s) {
    return s.size() > 2 && IsSeparator(s[0]) && IsSeparator(s[1]) && s[2] != L'?' && s[2] != L'.';
}

// What the classic rules would refuse or change: a long path, or a component ending in a dot or a space.
// "." and ".." are components of their own meaning.
bool NeedsLongForm(const std::wstring& s) {
    if (StartsWith(s, kLongPrefix) ||
        (s.size() > 2 && IsSeparator(s[0]) && IsSeparator(s[1]) && s[2] == L'.'))
        return false;
    if (s.size() >= kClassicLimit) return true;
    std::size_t start = 0;
    for (std::size_t i = 0; i <= s.size(); ++i) {
        if (i < s.size() && !IsSeparator(s[i])) continue;
        const std::wstring_view component(s.data() + start, i - start);
        if (!component.empty() && component != L"." && component != L".." &&
            (component.back() == L'.' || component.back() == L' '))
            return true;
        start = i + 1;
    }
    return false;
}

bool HasDotComponent(const std::wstring& s) {
    std::size_t start = 0;
    for (std::size_t i = 0; i <= s.size(); ++i) {
        if (i < s.size() && !IsSeparator(s[i])) continue;
        const std::wstring_view component(s.data() + start, i - start);
        if (component == L"." || component == L"..") return true;
        start = i + 1;
    }
    return false;
}

// The \\?\ form takes the path as it stands: separators must be backslashes, single, and the path absolute.
std::wstring LongForm(std::wstring s) {
    if ((!IsDriveAbsolute(s) && !IsUnc(s)) || HasDotComponent(s)) {
        const std::wstring relative = s;
        s = WholeAnswer([&](wchar_t* buffer, DWORD size) {
            return GetFullPathNameW(relative.c_str(), size, buffer, nullptr);
        });
        if (s.empty() || (!IsDriveAbsolute(s) && !IsUnc(s))) return relative;
    }
    const bool unc = IsUnc(s);
    std::wstring result = unc ? kLongUncPrefix : kLongPrefix;
    result.reserve(result.size() + s.size());
    for (std::size_t i = unc ? 2 : 0; i < s.size(); ++i) {
        const wchar_t c = IsSeparator(s[i]) ? L'\\' : s[i];
        if (c == L'\\' && !result.empty() && result.back() == L'\\') continue;
        result += c;
    }
    return result;
}

std::wstring ForWideApi(std::wstring wide) {
    return NeedsLongForm(wide) ? LongForm(std::move(wide)) : wide;
}

// The short alias of the entry at path, its last component only; empty when it has none.
std::wstring ShortAlias(const std::wstring& path) {
    const std::wstring asked = ForWideApi(path);
    const std::wstring shortPath = WholeAnswer(
        [&](wchar_t* buffer, DWORD size) { return GetShortPathNameW(asked.c_str(), buffer, size); });
    std::size_t start = shortPath.size();
    while (start > 0 && !IsSeparator(shortPath[start - 1]))
        --start;
    return shortPath.substr(start);
}

}  // namespace

bool Win32CodePage::ToAnsi(WideView s, Text& out) {
    if (s.empty()) {
        out.clear();
        return true;
    }
    // At most two bytes a UTF-16 unit in this code page.
    out.resize(s.size() * 2);
    BOOL usedDefault = FALSE;
    const int written = WideCharToMultiByte(kCodePage, WC_NO_BEST_FIT_CHARS,
                                            reinterpret_cast<LPCWCH>(s.data()), static_cast<int>(s.size()),
                                            &out[0], static_cast<int>(out.size()), nullptr, &usedDefault);
    out.resize(written > 0 ? static_cast<std::size_t>(written) : 0);
    return written > 0 && !usedDefault;
}

std::wstring Widen(const Text& s) {
    if (s.empty()) return std::wstring();
    std::wstring wide(s.size(), L'\0');
    const int written = MultiByteToWideChar(kCodePage, 0, s.data(), static_cast<int>(s.size()), &wide[0],
                                            static_cast<int>(wide.size()));
    wide.resize(written > 0 ? static_cast<std::size_t>(written) : 0);
    return wide;
}

std::wstring WidePath(const Text& path) {
    return ForWideApi(Widen(path));
}

std::wstring AbsolutePath(const Text& path) {
    const std::wstring wide = Widen(path);
    // The expansion would strip a dot or a space at a name's end even behind the prefix; the long form is
    // absolute already.
    if (NeedsLongForm(wide)) {
        const std::wstring longForm = LongForm(wide);
        if (StartsWith(longForm, kLongPrefix)) return WithoutLongPrefix(longForm);
    }
    return WholeAnswer(
        [&](wchar_t* buffer, DWORD size) { return GetFullPathNameW(wide.c_str(), size, buffer, nullptr); });
}

std::wstring WithoutLongPrefix(std::wstring path) {
    if (StartsWith(path, kLongUncPrefix)) return L"\\\\" + path.substr(kLongUncPrefix.size());
    if (StartsWith(path, kLongPrefix)) return path.substr(kLongPrefix.size());
    return path;
}

Text AnsiPath(const std::wstring& path, NameSubstitutions& tally) {
    Win32CodePage codePage;
    return AnsiPath(
        codePage, AsWideView(path),
        [](WideView prefix) {
            const std::wstring alias =
                ShortAlias(std::wstring(reinterpret_cast<const wchar_t*>(prefix.data()), prefix.size()));
            return WideText(AsWideView(alias));
        },
        tally);
}
