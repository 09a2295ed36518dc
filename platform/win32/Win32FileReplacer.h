// Whole-or-nothing saving on the wide Win32 API: CreateFileW with CREATE_NEW, WriteFile, FlushFileBuffers,
// and MoveFileExW with MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH, a rename within the folder that
// either happens whole or not at all. ReplaceFileW is not used: without a backup name its failure
// ERROR_UNABLE_TO_MOVE_REPLACEMENT leaves the replaced file deleted.
#pragma once

#include "platform/FileReplacer.h"

class Win32FileReplacer : public FileReplacer {
public:
    std::uint32_t Attributes(const Text& path) override;
    CreateResult CreateNew(const Text& path, std::uint32_t attributes) override;
    std::uint32_t MoveOver(const Text& source, const Text& target) override;
    std::uint32_t Remove(const Text& path) override;
};
