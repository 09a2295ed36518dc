#include "tests/fakes/FakeFileReader.h"

#include <algorithm>
#include <cstring>

namespace {

std::uint64_t Size(const FakeFileReader::File& file) {
    return file.contents.empty() ? 0 : file.repeatedTo.value_or(file.contents.size());
}

}  // namespace

class FakeFileReader::Reading : public SequentialFile {
public:
    Reading(FakeFileReader& owner, const File& file) : owner_(owner), file_(file) { ++owner_.openFiles; }
    ~Reading() override { --owner_.openFiles; }

    ReadResult Read(char* buffer, std::size_t capacity) override {
        owner_.readSizes.push_back(capacity);
        if (file_.failReadAt && position_ >= *file_.failReadAt) return {0, true, file_.readError};
        const std::uint64_t end =
            std::min<std::uint64_t>(Size(file_), file_.failReadAt.value_or(Size(file_)));
        const auto n =
            static_cast<std::size_t>(std::min<std::uint64_t>({capacity, owner_.readPiece, end - position_}));
        const Text& contents = file_.contents;
        for (std::size_t done = 0; done < n;) {
            const std::size_t at = static_cast<std::size_t>(position_ % contents.size());
            const std::size_t piece = std::min(n - done, contents.size() - at);
            std::memcpy(buffer + done, contents.data() + at, piece);
            done += piece;
            position_ += piece;
        }
        return {n, false, 0};
    }

private:
    FakeFileReader& owner_;
    const File& file_;
    std::uint64_t position_ = 0;
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
    facts.size = it->second.reportedSize.value_or(Size(it->second));
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
