#include "platform/win32/Win32NameLookup.h"

#include <cstring>

#include "platform/win32/Handles.h"

Text Win32NameLookup::StoredName(const Text& path) {
    // The API reads the path up to its first NUL; a Text holding a NUL would name another entry.
    if (path.find('\0') != Text::npos) return Text();
    WIN32_FIND_DATAA data;
    const FindHandle find(FindFirstFileA(path.c_str(), &data));
    if (!find) return Text();
    return Text(data.cFileName, strnlen(data.cFileName, sizeof data.cFileName));
}
