// Reading files on the wide Win32 API (GetFileAttributesW, FindFirstFileW/FindNextFileW, CreateFileW and
// ReadFile): paths of any length, and names ending in a dot or a space, are read like any other. Only a
// handle the system reports as a disk file is read, whatever name opened it.
#pragma once

#include "platform/FileReader.h"

class Win32FileReader : public FileReader {
public:
    bool Exists(const Text& path) override;
    std::optional<EntryFacts> PlainFileFacts(const Text& path) override;
    OpenResult Open(const Text& path) override;
    bool AllowsConcurrentReads() const override { return true; }
};
