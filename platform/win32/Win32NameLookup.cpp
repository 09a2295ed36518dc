#include "platform/win32/Win32NameLookup.h"

#include "platform/win32/Handles.h"
#include "platform/win32/WideNames.h"
#include "platform/win32/WideText.h"

Text Win32NameLookup::StoredName(const Text& path) {
    // The API reads the path up to its first NUL; a Text holding a NUL would name another entry.
    if (path.find('\0') != Text::npos) return Text();
    WIN32_FIND_DATAW data;
    const FindHandle find(FindFirstFileW(WidePath(path).c_str(), &data));
    if (!find) return Text();
    return FromWide(data.cFileName, NameField(data.cFileName).size());
}
