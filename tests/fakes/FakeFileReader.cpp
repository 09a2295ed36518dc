#include "tests/fakes/FakeFileReader.h"

#include <algorithm>
#include <cstring>

class FakeFileReader::Reading : public SequentialFile {
public:
    Reading(FakeFileReader& owner, const File& file) : owner_(owner), file_(file) { ++owner_.openFiles; }
    ~Reading() override { --owner_.openFiles; }

    ReadResult Read(char* buffer, std::size_t capacity) override {
        owner_.readSizes.push_back(capacity);
        if (file_.failReadAt && position_ >= *file_.failReadAt) return {0, true, file_.readError};
        const std::size_t end =
            std::min(file_.contents.size(), file_.failReadAt.value_or(file_.contents.size()));
        const std::size_t n = std::min({capacity, owner_.readPiece, end - position_});
        std::memcpy(buffer, file_.contents.data() + position_, n);
        position_ += n;
        return {n, false, 0};
    }

private:
    FakeFileReader& owner_;
    const File& file_;
    std::size_t position_ = 0;
};

FakeFileReader::File& FakeFileReader::Add(const Text& path, Text contents, std::uint32_t attributes) {
    File& file = files_[path];
    file.contents = std::move(contents);
    file.attributes = attributes;
    return file;
}

bool FakeFileReader::Exists(const Text& path) {
    const auto it = files_.find(path);
    return it != files_.end() && (it->second.attributes & FileAttr::Directory) == 0;
}

std::optional<EntryFacts> FakeFileReader::PlainFileFacts(const Text& path) {
    const auto it = files_.find(path);
    constexpr std::uint32_t excluded = FileAttr::Hidden | FileAttr::System | FileAttr::Directory;
    if (it == files_.end() || (it->second.attributes & excluded) != 0) return std::nullopt;
    EntryFacts facts;
    facts.attributes = it->second.attributes;
    facts.size = it->second.reportedSize.value_or(it->second.contents.size());
    return facts;
}

FileReader::OpenResult FakeFileReader::Open(const Text& path) {
    const auto it = files_.find(path);
    if (it == files_.end()) return {nullptr, 2};
    if (it->second.openError != 0) return {nullptr, it->second.openError};
    if (it->second.notDiskFile) return {nullptr, 0, true};
    ++opens;
    return {std::make_unique<Reading>(*this, it->second), 0};
}
