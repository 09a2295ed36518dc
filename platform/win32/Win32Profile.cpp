#include "platform/win32/Win32Profile.h"

#include <windows.h>

namespace {

// No value read from a file holds a line break, so this fallback tells a missing key from every value.
const Text kNoValue = "\n";

}  // namespace

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
    // cache and look for the key in the file itself. Only its presence counts: the INI functions drop
    // surrounding spaces and quotes and replace bytes the code page cannot convert, so the value read back
    // may differ from the one written.
    WritePrivateProfileStringA(nullptr, nullptr, nullptr, path.c_str());
    return Read(path, section, key, kNoValue) != kNoValue;
}

bool Win32Profile::FileExists(const Text& path) {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool Win32Profile::CreateFolder(const Text& path) {
    if (CreateDirectoryA(path.c_str(), nullptr)) return true;
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}
