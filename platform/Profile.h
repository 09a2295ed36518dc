// INI-file services: one value read or written per call, nothing cached, no file left open.
#pragma once

#include <cstddef>

#include "text/Text.h"

// A value read back holds at most this many bytes; longer ones are cut.
constexpr std::size_t kProfileValueBytes = 2047;

class Profile {
public:
    virtual ~Profile() = default;

    // The value of key in section of the INI file at path, as the file holds it (at most kProfileValueBytes
    // bytes); fallback when the file, the section or the key is missing.
    virtual Text Read(const Text& path, const Text& section, const Text& key, const Text& fallback) = 0;

    // Sets key in section to value, creating the file, the section and the key when missing and keeping the
    // rest of the file (its order, other sections and keys, comments) as it stands. False when the system
    // refuses the write (a read-only file, a folder without write access, no such folder) or the key is not
    // in the file afterwards. The file may hold the value as the system's INI functions normalise it
    // (surrounding spaces and quotes dropped, characters the file's code page cannot hold replaced): that is
    // a write.
    virtual bool Write(const Text& path, const Text& section, const Text& key, const Text& value) = 0;

    // Whether a file (not a folder) of that path exists.
    virtual bool FileExists(const Text& path) = 0;

    // Creates the folder (its parent must exist); true when it exists afterwards.
    virtual bool CreateFolder(const Text& path) = 0;
};
