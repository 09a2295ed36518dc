// The file-system services on the Win32 API (GetFileAttributesA, FindFirstFileA/FindNextFileA,
// GetFullPathNameA, GetShortPathNameA, and GetFileInformationByHandle for identities).
#pragma once

#include "platform/FileSystem.h"

class Win32FileSystem : public FileSystem {
public:
    std::uint32_t Attributes(const Text& path) override;
    std::unique_ptr<FolderListing> List(const Text& pattern, std::uint32_t mask) override;
    Text FullPath(const Text& path) override;
    Text ShortPath(const Text& path) override;
    std::optional<FolderId> Identity(const Text& path) override;
};
