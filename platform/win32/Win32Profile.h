// INI-file services on the Win32 API: GetPrivateProfileStringW and WritePrivateProfileStringW. The system
// keeps the file in the form it writes (Shift_JIS where the ANSI code page is 932).
#pragma once

#include "platform/Profile.h"

class Win32Profile : public Profile {
public:
    Text Read(const Text& path, const Text& section, const Text& key, const Text& fallback) override;
    bool Write(const Text& path, const Text& section, const Text& key, const Text& value) override;
    bool FileExists(const Text& path) override;
    bool CreateFolder(const Text& path) override;
};
