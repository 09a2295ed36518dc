// Writing a file whole or not at all: a new file beside the target, then put in its place in one step.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>

#include "text/Text.h"

// A file open for writing under its temporary name. Destroying it closes the file.
class NewFile {
public:
    virtual ~NewFile() = default;

    // Writes all of the bytes after those written before: 0, or the platform's error code when they cannot
    // all be written (a full disk among them).
    virtual std::uint32_t Write(const char* bytes, std::size_t count) = 0;

    // Puts everything written on the disk: 0, or the platform's error code.
    virtual std::uint32_t Flush() = 0;
};

class FileReplacer {
public:
    // The platform's codes of the failures the saving logic tells apart.
    static constexpr std::uint32_t kFileExists = 80;
    static constexpr std::uint32_t kAlreadyExists = 183;

    struct CreateResult {
        std::unique_ptr<NewFile> file;  // null when the file could not be made
        std::uint32_t error = 0;        // the platform's error code when it could not, else 0
    };

    virtual ~FileReplacer() = default;

    // The attributes (FileAttr) of the entry at path; FileAttr::Invalid when there is none or they cannot be
    // read.
    virtual std::uint32_t Attributes(const Text& path) = 0;

    // Makes a new, empty file at path with these attributes (hidden and system among them), never opening
    // one that exists: then the error is kFileExists or kAlreadyExists.
    virtual CreateResult CreateNew(const Text& path, std::uint32_t attributes) = 0;

    // Gives the closed file at source the name target in one step, replacing a file of that name, and
    // returns once the change is on the disk: 0, or the platform's error code, and then both files are as
    // they were.
    virtual std::uint32_t MoveOver(const Text& source, const Text& target) = 0;

    // Removes the file at path: 0, or the platform's error code.
    virtual std::uint32_t Remove(const Text& path) = 0;
};
