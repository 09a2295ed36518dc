// Reading files on the Win32 API: GetFileAttributesA, FindFirstFileA/FindNextFileA, CreateFileA and ReadFile.
#pragma once

#include "platform/FileReader.h"

class Win32FileReader : public FileReader {
public:
    bool Exists(const Text& path) override;
    std::optional<std::uint64_t> PlainFileSize(const Text& path) override;
    OpenResult Open(const Text& path) override;
};
