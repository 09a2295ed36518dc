// Files held in memory (or made as they are read) for the contents reader, with attributes, a size that the
// directory entry may report wrongly, reads cut into small pieces, and failures on demand: the open fails
// with a given code, or finds a device or a pipe where the name leads, or a read fails once a given number
// of bytes has been delivered.
#pragma once

#include <cstdint>
#include <limits>
#include <map>
#include <optional>
#include <vector>

#include "platform/FileReader.h"
#include "platform/FileSystem.h"

class FakeFileReader : public FileReader {
public:
    struct File {
        Text contents;
        std::uint32_t attributes = FileAttr::Archive;
        std::optional<std::uint64_t> reportedSize;  // the directory entry's size; the contents' when unset
        std::uint32_t openError = 0;                // the open fails with this code when not 0
        bool notDiskFile = false;                   // the name opens a device or a pipe
        std::optional<std::size_t> failReadAt;      // a read fails when this many bytes were delivered
        std::uint32_t readError = 23;               // the failing read's code, which may be 0
        // When set, the contents over and over up to this many bytes, made as they are read: a file of
        // gigabytes that takes no memory.
        std::optional<std::uint64_t> repeatedTo;
    };

    File& Add(const Text& path, Text contents, std::uint32_t attributes = FileAttr::Archive);
    void AddFolder(const Text& path) { files_[path].attributes = FileAttr::Directory; }

    // The most bytes one read delivers, so that lines cross the edges of the reader's blocks.
    std::size_t readPiece = std::numeric_limits<std::size_t>::max();

    int opens = 0;
    int openFiles = 0;
    std::vector<std::size_t> readSizes;  // what each read asked for

    bool Exists(const Text& path) override;
    std::optional<EntryFacts> PlainFileFacts(const Text& path) override;
    OpenResult Open(const Text& path) override;

private:
    class Reading;
    std::map<Text, File> files_;
};
