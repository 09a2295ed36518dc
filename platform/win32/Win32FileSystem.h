// The file-system services on the wide Win32 API (GetFileAttributesW, GetFileAttributesExW,
// FindFirstFileW/FindNextFileW, GetFullPathNameW, GetShortPathNameW, and GetFileInformationByHandleEx's
// 128-bit file ID or else GetFileInformationByHandle's 64-bit index for identities); paths of any length,
// names as the system stores them, times in local time; the code page form asks each alias of
// GetShortPathNameW; names are matched by PathMatchSpecExW and compared by CompareStringOrdinal.
#pragma once

#include <string>

#include "platform/FileSystem.h"

class Win32FileSystem : public FileSystem {
public:
    std::uint32_t Attributes(const Text& path) override;
    std::optional<EntryFacts> Facts(const Text& path) override;
    OpenedListing List(const Text& pattern, std::uint32_t mask, bool withTimes) override;
    Text FullPath(const Text& path) override;
    Text ShortPath(const Text& path) override;
    std::optional<FolderId> Identity(const Text& path) override;
    Text CodePageForm(const Text& path) override;
    NameSubstitutions TakeSubstitutions() override;
    bool MatchesAny(const Text& name, const Text& patterns) override;
    bool SameName(const Text& a, const Text& b) override;
    Text EnvironmentValue(const Text& name) override;

private:
    // The names counted since the last TakeSubstitutions: each is told of once, however many lines hold it.
    NameSubstitutions substitutions_;
    CountedNames counted_;
    // The patterns last matched against, in the form the system takes: one list serves a whole walk.
    Text patterns_;
    std::wstring widePatterns_;
};
