// A file's bytes, as the tests read back what the program wrote.
#pragma once

#include <windows.h>

#include "platform/win32/Handles.h"
#include "platform/win32/WideText.h"
#include "text/Text.h"

// "<missing>" when the file cannot be opened, so that a file never written does not pass for an empty one.
inline Text FileBytes(const Text& path) {
    const FileHandle file(
        CreateFileW(Wide(path).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr));
    if (!file) return "<missing>";
    Text bytes;
    char buffer[4096];
    DWORD read = 0;
    while (ReadFile(file.get(), buffer, sizeof buffer, &read, nullptr) && read > 0)
        bytes.append(buffer, read);
    return bytes;
}
