// Files in memory for saving: each path's bytes and attributes, a disk with room for so many bytes, and
// failures of creating, flushing and moving on demand.
#pragma once

#include <cstdint>
#include <limits>
#include <map>

#include "platform/FileReplacer.h"
#include "platform/FileSystem.h"

class FakeFileReplacer : public FileReplacer {
public:
    struct File {
        std::string bytes;
        std::uint32_t attributes = FileAttr::Archive;
    };
    std::map<Text, File> files;

    // Bytes the disk still takes; a write beyond them stores what fits and fails with ERROR_DISK_FULL.
    std::size_t room = std::numeric_limits<std::size_t>::max();
    // Nonzero: the failure every create, flush or move answers.
    std::uint32_t createError = 0;
    std::uint32_t flushError = 0;
    std::uint32_t moveError = 0;

    std::uint32_t Attributes(const Text& path) override {
        const auto found = files.find(path);
        return found == files.end() ? FileAttr::Invalid : found->second.attributes;
    }

    CreateResult CreateNew(const Text& path, std::uint32_t attributes) override {
        if (createError) return {nullptr, createError};
        if (files.count(path)) return {nullptr, kFileExists};
        files[path].attributes = attributes | FileAttr::Archive;
        return {std::make_unique<Open>(*this, path), 0};
    }

    std::uint32_t MoveOver(const Text& source, const Text& target) override {
        if (moveError) return moveError;
        File moved = files.at(source);
        files.erase(source);
        files[target] = moved;
        return 0;
    }

    std::uint32_t Remove(const Text& path) override { return files.erase(path) ? 0 : 2; }

private:
    class Open : public NewFile {
    public:
        Open(FakeFileReplacer& disk, Text path) : disk_(disk), path_(std::move(path)) {}

        std::uint32_t Write(const char* bytes, std::size_t count) override {
            const std::size_t fits = std::min(count, disk_.room);
            disk_.files.at(path_).bytes.append(bytes, fits);
            disk_.room -= fits;
            return fits == count ? 0 : 112;
        }
        std::uint32_t Flush() override { return disk_.flushError; }

    private:
        FakeFileReplacer& disk_;
        Text path_;
    };
};
