// INI-file services on files read and written whole: ProfileFile gives the values and the bytes, so the file
// reads the same whatever the system's code page (the system's own INI functions write in that code page and
// cut long values). A new file is written beside the old one and then put in its place.
#pragma once

#include "platform/Profile.h"

class Win32Profile : public Profile {
public:
    Text Read(const Text& path, const Text& section, const Text& key, const Text& fallback) override;
    bool Write(const Text& path, const std::vector<ProfileValue>& values) override;
    bool FileExists(const Text& path) override;
    bool CreateFolder(const Text& path) override;
};
