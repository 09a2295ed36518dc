// INI-file services on the Win32 API: GetPrivateProfileStringA and WritePrivateProfileStringA.
#pragma once

#include "platform/Profile.h"

class Win32Profile : public Profile {
public:
    Text Read(const Text& path, const Text& section, const Text& key, const Text& fallback) override;
    bool Write(const Text& path, const Text& section, const Text& key, const Text& value) override;
    bool FileExists(const Text& path) override;
    bool CreateFolder(const Text& path) override;
};
