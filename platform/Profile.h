// INI-file services: values read one at a time, written together; nothing cached, no file left open.
#pragma once

#include <vector>

#include "text/Text.h"

// One value for Profile::Write.
struct ProfileValue {
    Text section;
    Text key;
    Text value;
};

class Profile {
public:
    virtual ~Profile() = default;

    // The value of key in section of the INI file at path, whole, as the file holds it (without the spaces
    // and tabs around it, quotes and all); fallback when the file, the section or the key is missing.
    virtual Text Read(const Text& path, const Text& section, const Text& key, const Text& fallback) = 0;

    // Sets each key in its section, creating the file, the section and the key when missing and keeping the
    // rest of the file (its order, other sections and keys, comments) as it stands. The file is replaced only
    // once the new one is whole: afterwards it holds every value, or it is as it was and the answer is false.
    // False when the system refuses the write (a read-only file, a folder without write access, no such
    // folder), when the file exists but cannot be read, and when a value would not read back as itself
    // (ProfileFile::Set).
    virtual bool Write(const Text& path, const std::vector<ProfileValue>& values) = 0;

    // Whether a file (not a folder) of that path exists.
    virtual bool FileExists(const Text& path) = 0;

    // Creates the folder (its parent must exist); true when it exists afterwards.
    virtual bool CreateFolder(const Text& path) = 0;
};
