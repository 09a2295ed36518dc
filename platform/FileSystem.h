// File-system services: attributes, folder listings, full and short path forms.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>

#include "platform/NameConversion.h"
#include "text/Text.h"

namespace FileAttr {
constexpr std::uint32_t ReadOnly = 0x01;
constexpr std::uint32_t Hidden = 0x02;
constexpr std::uint32_t System = 0x04;
constexpr std::uint32_t VolumeLabel = 0x08;
constexpr std::uint32_t Directory = 0x10;
constexpr std::uint32_t Archive = 0x20;
// A junction or symbolic link; with Directory, a folder whose listing is another folder's.
constexpr std::uint32_t ReparsePoint = 0x400;
// A file whose data is kept elsewhere (a cloud store, a tape): reading it fetches the data first. Which of
// the three a store sets is its own choice; opening the file already fetches it with RecallOnOpen.
constexpr std::uint32_t Offline = 0x1000;
constexpr std::uint32_t RecallOnOpen = 0x40000;
constexpr std::uint32_t RecallOnDataAccess = 0x400000;
// What an attribute query answers when it fails: every bit set, the directory bit included.
constexpr std::uint32_t Invalid = 0xFFFFFFFF;
}  // namespace FileAttr

// The listing rule: each of the bits hidden, system, volume label and directory that is missing from mask
// excludes an entry that carries it. Entries without any of these bits always pass.
constexpr bool PassesAttributeMask(std::uint32_t attributes, std::uint32_t mask) {
    constexpr std::uint32_t special =
        FileAttr::Hidden | FileAttr::System | FileAttr::VolumeLabel | FileAttr::Directory;
    return (attributes & ~mask & special) == 0;
}

// A moment as the local clock shows it.
struct LocalTime {
    std::uint16_t year = 0;
    std::uint8_t month = 0;
    std::uint8_t day = 0;
    std::uint8_t hour = 0;
    std::uint8_t minute = 0;
    std::uint8_t second = 0;
};

// What the file system tells of an entry along with its name, for the detail columns.
struct EntryFacts {
    std::uint32_t attributes = 0;
    std::uint64_t size = 0;  // bytes; folders have none
    LocalTime written;       // last write
};

struct FolderEntry {
    // The name as the file system stores it.
    Text name;
    // From the same answer of the file system that gave the name.
    EntryFacts facts;
};

// What tells one folder from another, whatever path leads to it: the volume and the file ID within it, which
// is 128 bits wide (file systems such as ReFS keep no unique 64-bit one); where the system gives 64 bits
// only, the high half is 0.
struct FolderId {
    std::uint64_t volume = 0;
    std::uint64_t low = 0;
    std::uint64_t high = 0;

    bool operator==(const FolderId& other) const {
        return volume == other.volume && low == other.low && high == other.high;
    }
    bool operator!=(const FolderId& other) const { return !(*this == other); }
};

// One open listing of a folder. Destroying it ends the listing and releases what it holds.
class FolderListing {
public:
    virtual ~FolderListing() = default;

    // Fills entry with the next entry that passes the listing's mask, in the order the file system gives them
    // ("." and ".." included where the file system reports them). False when there are no more entries or the
    // listing fails; an entry removed meanwhile may or may not be reported.
    virtual bool Next(FolderEntry& entry) = 0;

    // The system's error code when Next stopped before the last entry (the network gone, the folder removed
    // meanwhile); 0 while the listing goes on and when it ended at its last entry.
    virtual std::uint32_t Failure() const = 0;
};

// A listing, or why there is none: the system's error code, 0 when the folder holds nothing to list.
struct OpenedListing {
    std::unique_ptr<FolderListing> listing;
    std::uint32_t failure = 0;
};

class FileSystem {
public:
    virtual ~FileSystem() = default;

    // The attributes of the entry at path, FileAttr::Invalid when they cannot be read.
    virtual std::uint32_t Attributes(const Text& path) = 0;

    // The attributes, size and last write of the entry at path, in one query; nothing when they cannot be
    // read.
    virtual std::optional<EntryFacts> Facts(const Text& path) = 0;

    // Opens a listing of the entries matching pattern (a folder path followed by "\*") that pass
    // PassesAttributeMask(attributes, mask). No listing when nothing can be listed: with the failure's code
    // where the folder cannot be (no such folder, no access, a path too long, the network), with 0 where it
    // holds no entry at all. Each entry's last write is turned into local time only with withTimes (a
    // conversion an entry, which would cost a walk a fifth of its time); else it is LocalTime().
    virtual OpenedListing List(const Text& pattern, std::uint32_t mask, bool withTimes) = 0;

    // The absolute form of path, whole, however long. Empty when the expansion fails.
    virtual Text FullPath(const Text& path) = 0;

    // The short (8.3) form of an existing path, whole; empty when it cannot be obtained.
    virtual Text ShortPath(const Text& path) = 0;

    // The identity of the folder path leads to, links followed: two paths of the same folder answer the
    // same. Empty when path leads to no folder or it cannot be opened. One open of the file system a call.
    virtual std::optional<FolderId> Identity(const Text& path) = 0;

    // The path as code page 932 can spell it, for output only (never hand it back to the file system: "?" is
    // a wildcard there): unchanged when the code page holds every character; otherwise each component it
    // cannot hold given by that entry's short alias where the alias exists and the code page holds it, else
    // with "?" for each character it cannot hold. Each substituted component is counted.
    virtual Text CodePageForm(const Text& path) = 0;

    // The names CodePageForm substituted since the last call; the count then starts again from zero.
    virtual NameSubstitutions TakeSubstitutions() { return {}; }

    // Whether name matches one of patterns, a ";"-separated list of patterns with "*" and "?", letter case
    // ignored as the file manager ignores it when it matches such lists.
    virtual bool MatchesAny(const Text& name, const Text& patterns) = 0;

    // Whether a and b are the same text when letter case is ignored as the file system ignores it in names.
    virtual bool SameName(const Text& a, const Text& b) = 0;

    // The value of the named environment variable; empty when it is not set.
    virtual Text EnvironmentValue(const Text& name) = 0;
};
