#include "platform/win32/Win32Profile.h"

#include <windows.h>

Text Win32Profile::Read(const Text& path, const Text& section, const Text& key, const Text& fallback) {
    char buffer[kProfileValueBytes + 1];
    const DWORD length = GetPrivateProfileStringA(section.c_str(), key.c_str(), fallback.c_str(), buffer,
                                                  sizeof buffer, path.c_str());
    return Text(buffer, length);
}

bool Win32Profile::Write(const Text& path, const Text& section, const Text& key, const Text& value) {
    // Windows refuses to write a read-only file; Wine run by an administrator would write it all the same.
    const DWORD attributes = GetFileAttributesA(path.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY)) return false;
    if (!WritePrivateProfileStringA(section.c_str(), key.c_str(), value.c_str(), path.c_str())) return false;
    // Wine answers success even when it could not save the file, and keeps the value in its cache: drop the
    // cache and read the value back from the file itself.
    WritePrivateProfileStringA(nullptr, nullptr, nullptr, path.c_str());
    return Read(path, section, key, value + '?') == value;
}
