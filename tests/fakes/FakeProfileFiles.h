// INI files as bytes in memory, read and written through ProfileFile as the Win32 service does on the disk:
// what a test saves here is what Data.INI would hold, on any system.
#pragma once

#include <map>
#include <string>

#include "platform/Profile.h"

class FakeProfileFiles : public Profile {
public:
    std::map<Text, std::string> files;  // path → the file's bytes

    Text Read(const Text& path, const Text& section, const Text& key, const Text& fallback) override;
    bool Write(const Text& path, const std::vector<ProfileValue>& values) override;
    bool FileExists(const Text& path) override { return files.count(path) != 0; }
    bool CreateFolder(const Text&) override { return true; }
};
