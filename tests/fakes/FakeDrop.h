// A drop's names and, in the walker's file-contents mode, a reader that records what it was handed.
#pragma once

#include <cstdint>
#include <functional>
#include <utility>
#include <vector>

#include "collect/ContentsReader.h"
#include "platform/Drop.h"

class FakeDroppedNames : public DroppedNames {
public:
    explicit FakeDroppedNames(std::vector<Text> names) : names(std::move(names)) {}

    std::vector<Text> names;
    std::vector<std::uint32_t> fetched;
    int releases = 0;

    std::uint32_t Count() override { return static_cast<std::uint32_t>(names.size()); }
    Text Name(std::uint32_t index) override {
        fetched.push_back(index);
        return names.at(index);
    }
    void Release() override { ++releases; }
};

class FakeContentsReader : public ContentsReader {
public:
    std::vector<Text> paths;
    std::function<void(const Text&)> onRead;  // runs after the path is recorded; may throw

    // Each file the walk told of ahead, and how many paths had been read when it did.
    std::vector<std::pair<Text, std::size_t>> expected;

    void AddFileContents(const Text& path) override {
        paths.push_back(path);
        if (onRead) onRead(path);
    }
    void ExpectFile(const Text& path, const EntryFacts&) override {
        expected.emplace_back(path, paths.size());
    }
};
