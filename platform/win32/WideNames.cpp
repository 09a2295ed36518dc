#include "platform/win32/WideNames.h"

#include <string_view>

#include "platform/win32/WideText.h"

namespace {

const std::wstring kLongPrefix = L"\\\\?\\";
const std::wstring kLongUncPrefix = L"\\\\?\\UNC\\";

bool IsSeparator(wchar_t c) {
    return c == L'\\' || c == L'/';
}

bool StartsWith(const std::wstring& s, const std::wstring& prefix) {
    return s.compare(0, prefix.size(), prefix) == 0;
}

bool IsDriveLetter(wchar_t c) {
    return (c >= L'A' && c <= L'Z') || (c >= L'a' && c <= L'z');
}

bool IsDriveAbsolute(const std::wstring& s) {
    return s.size() >= 3 && IsDriveLetter(s[0]) && s[1] == L':' && IsSeparator(s[2]);
}

bool IsUnc(const std::wstring& s) {
    return s.size() > 2 && IsSeparator(s[0]) && IsSeparator(s[1]) && s[2] != L'?' && s[2] != L'.';
}

// \\?\ and \\.\ paths name what they name already.
bool IsPrefixed(const std::wstring& s) {
    return s.size() >= 4 && IsSeparator(s[0]) && IsSeparator(s[1]) && (s[2] == L'?' || s[2] == L'.') &&
           IsSeparator(s[3]);
}

// The absolute form of a relative path: the current folder, the root of its drive or the current folder of
// the drive it names, with the rest added as it stands. Only that base is expanded by the system, so that no
// name of the path is read as a device (the expansion turns a last name such as aux.c or nul.txt into the
// device \\.\aux). Empty when the base cannot be had.
std::wstring Absolute(const std::wstring& s) {
    if (IsDriveAbsolute(s) || IsUnc(s)) return s;
    std::wstring base = L".";
    std::size_t rest = 0;
    if (s.size() >= 2 && IsDriveLetter(s[0]) && s[1] == L':') {
        base = s.substr(0, 2);
        rest = 2;
    } else if (!s.empty() && IsSeparator(s[0])) {
        base = L"\\";
        rest = 1;
    }
    const std::wstring expanded = WholeAnswer(
        [&](wchar_t* buffer, DWORD size) { return GetFullPathNameW(base.c_str(), size, buffer, nullptr); });
    if (!IsDriveAbsolute(expanded) && !IsUnc(expanded)) return std::wstring();
    return s.size() > rest ? expanded + L'\\' + s.substr(rest) : expanded;
}

// The \\?\ form of an absolute path, which takes every name as it stands (a device name, a dot or a space at
// its end) and any length: separators as single backslashes, "." and ".." taken out by the text alone as the
// expansion would, never above the drive or the share. A separator at the end stays.
std::wstring LongForm(const std::wstring& absolute) {
    const bool unc = IsUnc(absolute);
    std::wstring result = unc ? kLongUncPrefix : kLongPrefix + absolute.substr(0, 2);
    result.reserve(result.size() + absolute.size());
    // The server and the share stay whatever follows.
    const std::size_t fixed = unc ? 2 : 0;
    std::size_t kept = 0;
    std::size_t start = 2;
    for (std::size_t i = start; i <= absolute.size(); ++i) {
        if (i < absolute.size() && !IsSeparator(absolute[i])) continue;
        const std::wstring_view name(absolute.data() + start, i - start);
        start = i + 1;
        if (name.empty() || name == L".") continue;
        if (name == L"..") {
            if (kept > fixed) {
                result.resize(result.rfind(L'\\'));
                --kept;
            }
            continue;
        }
        if (result.back() != L'\\') result += L'\\';
        result += name;
        ++kept;
    }
    // A drive's root is C:\, never C: (which names the volume itself).
    if (kept == 0 || IsSeparator(absolute.back())) result += L'\\';
    return result;
}

std::wstring ForWideApi(const std::wstring& wide) {
    if (wide.empty() || IsPrefixed(wide)) return wide;
    const std::wstring absolute = Absolute(wide);
    return absolute.empty() ? wide : LongForm(absolute);
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

bool Win32CodePage::ToAnsi(WideView s, std::string& out) {
    return WideToShiftJis(s, out);
}

std::wstring WidePath(const Text& path) {
    return ForWideApi(Wide(path));
}

std::wstring AbsolutePath(const Text& path) {
    const std::wstring wide = Wide(path);
    if (!IsPrefixed(wide)) {
        const std::wstring longForm = ForWideApi(wide);
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

Text CodePagePath(const std::wstring& path, NameSubstitutions& tally, CountedNames& counted) {
    Win32CodePage codePage;
    return TextFromShiftJis(AnsiPath(
        codePage, AsWideView(path),
        [](WideView prefix) {
            const std::wstring alias =
                ShortAlias(std::wstring(reinterpret_cast<const wchar_t*>(prefix.data()), prefix.size()));
            return WideText(AsWideView(alias));
        },
        tally, counted));
}
