#include "platform/win32/Win32Profile.h"

#include <windows.h>

#include <iterator>

#include "platform/win32/WideText.h"

namespace {

// No value read from a file holds a line break, so this fallback tells a missing key from every value.
const Text kNoValue = "\n";

// The value cut to kProfileValueBytes bytes, never inside a character.
Text CutToValueBytes(const Text& value) {
    if (value.size() <= kProfileValueBytes) return value;
    std::size_t end = 0;
    while (end < value.size()) {
        const std::size_t width = CharacterBytes(value, end);
        if (end + width > kProfileValueBytes) break;
        end += width;
    }
    return value.substr(0, end);
}

DWORD Attributes(const Text& path) {
    return GetFileAttributesW(Wide(path).c_str());
}

}  // namespace

Text Win32Profile::Read(const Text& path, const Text& section, const Text& key, const Text& fallback) {
    wchar_t buffer[kProfileValueBytes + 1];
    const DWORD length =
        GetPrivateProfileStringW(Wide(section).c_str(), Wide(key).c_str(), Wide(fallback).c_str(), buffer,
                                 static_cast<DWORD>(std::size(buffer)), Wide(path).c_str());
    return CutToValueBytes(FromWide(buffer, length));
}

bool Win32Profile::Write(const Text& path, const Text& section, const Text& key, const Text& value) {
    // Windows refuses to write a read-only file; Wine run by an administrator would write it all the same.
    const DWORD attributes = Attributes(path);
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY)) return false;
    const std::wstring file = Wide(path);
    if (!WritePrivateProfileStringW(Wide(section).c_str(), Wide(key).c_str(), Wide(value).c_str(),
                                    file.c_str()))
        return false;
    // Wine answers success even when it could not save the file, and keeps the value in its cache: drop the
    // cache and look for the key in the file itself. Only its presence counts: the INI functions drop
    // surrounding spaces and quotes and replace characters the file's code page cannot hold, so the value
    // read back may differ from the one written.
    WritePrivateProfileStringW(nullptr, nullptr, nullptr, file.c_str());
    return Read(path, section, key, kNoValue) != kNoValue;
}

bool Win32Profile::FileExists(const Text& path) {
    const DWORD attributes = Attributes(path);
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool Win32Profile::CreateFolder(const Text& path) {
    if (CreateDirectoryW(Wide(path).c_str(), nullptr)) return true;
    const DWORD attributes = Attributes(path);
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}
