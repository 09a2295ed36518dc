// Reading files as byte streams: what the file contents reader asks of the file system.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>

#include "text/Text.h"

// One file open for sequential reading. Destroying it closes the file.
class SequentialFile {
public:
    struct ReadResult {
        std::size_t bytes = 0;    // bytes placed in the buffer; 0 without failure at the end of the file
        bool failed = false;      // the read failed; the end of the file is no failure
        std::uint32_t error = 0;  // the platform's error code of a failed read; it may be 0 even then
    };

    virtual ~SequentialFile() = default;

    // Reads the next bytes of the file, at most capacity of them, into buffer. A read may deliver fewer bytes
    // than asked for before the end of the file.
    virtual ReadResult Read(char* buffer, std::size_t capacity) = 0;
};

class FileReader {
public:
    struct OpenResult {
        std::unique_ptr<SequentialFile> file;  // null when the open failed
        std::uint32_t error = 0;               // the platform's error code when it failed, else 0
    };

    virtual ~FileReader() = default;

    // True when path names an existing entry that is not a folder.
    virtual bool Exists(const Text& path) = 0;

    // The size that the directory entry reports for the first entry matching path that carries none of the
    // attributes hidden, system and directory. Nothing when there is no such entry.
    virtual std::optional<std::uint64_t> PlainFileSize(const Text& path) = 0;

    // Opens the file for reading, letting others read it meanwhile but not write it; an existing file only.
    virtual OpenResult Open(const Text& path) = 0;

    // True when Open, and Read of the files it opens, may be called from several threads at once.
    virtual bool AllowsConcurrentReads() const { return false; }
};
