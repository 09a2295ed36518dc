// Reading files on the wide Win32 API (GetFileAttributesW, FindFirstFileW/FindNextFileW, CreateFileW and
// ReadFile): paths of any length, and names ending in a dot or a space, are read like any other.
#pragma once

#include "platform/FileReader.h"

class Win32FileReader : public FileReader {
public:
    bool Exists(const Text& path) override;
    std::optional<std::uint64_t> PlainFileSize(const Text& path) override;
    OpenResult Open(const Text& path) override;
    bool AllowsConcurrentReads() const override { return true; }
};
