// Reading files as byte streams: what the file contents reader asks of the file system.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>

#include "platform/FileSystem.h"
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
        std::unique_ptr<SequentialFile> file;  // null when the open failed or the path names no disk file
        std::uint32_t error = 0;               // the platform's error code when it failed, else 0
        // The path opened a device or a pipe (a name such as "aux.c" or "nul.txt" where the system maps it to
        // a device): a read from it may never end or gives what is no file's contents, so it was closed
        // unread. No failure: error is 0.
        bool notDiskFile = false;
    };

    virtual ~FileReader() = default;

    // True when path names an existing entry that is not a folder.
    virtual bool Exists(const Text& path) = 0;

    // The attributes and size that the directory entry reports for the first entry matching path that
    // carries none of the attributes hidden, system and directory. Nothing when there is no such entry.
    virtual std::optional<EntryFacts> PlainFileFacts(const Text& path) = 0;

    // Opens the file for reading; an existing file only, and only a file on a disk. Other programs may read,
    // write, rename and delete it meanwhile: a log or a database held open for writing is read all the same.
    virtual OpenResult Open(const Text& path) = 0;

    // True when Open, and Read of the files it opens, may be called from several threads at once.
    virtual bool AllowsConcurrentReads() const { return false; }
};
