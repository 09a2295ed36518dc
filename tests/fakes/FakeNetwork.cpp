#include "tests/fakes/FakeNetwork.h"

namespace {

class FakeConnectionListing : public ConnectionListing {
public:
    explicit FakeConnectionListing(FakeNetwork& owner) : owner_(owner) {
        ++owner_.enumerationsOpened;
        ++owner_.enumerationsOpen;
    }
    ~FakeConnectionListing() override { --owner_.enumerationsOpen; }

    EnumAnswer Next(std::uint32_t bufferBytes, std::vector<NetConnection>& entries,
                    std::uint32_t& neededBytes) override {
        owner_.buffersOffered.push_back(bufferBytes);
        const auto& all = owner_.connections;
        if (next_ >= all.size()) return EnumAnswer::Finished;
        if (all[next_].bytes > bufferBytes) {
            neededBytes = all[next_].asks != 0 ? all[next_].asks : all[next_].bytes;
            return EnumAnswer::MoreData;
        }
        entries.clear();
        std::uint32_t used = 0;
        while (next_ < all.size() && used + all[next_].bytes <= bufferBytes) {
            used += all[next_].bytes;
            entries.push_back({all[next_].localName, all[next_].remoteName});
            ++next_;
        }
        return EnumAnswer::Entries;
    }

private:
    FakeNetwork& owner_;
    std::size_t next_ = 0;
};

}  // namespace

std::optional<Text> FakeNetwork::UniversalName(const Text& path) {
    ++universalNameCalls;
    if (path.size() < 3 || path[1] != ':') return std::nullopt;
    char drive = path[0];
    if (drive >= 'a' && drive <= 'z') drive = static_cast<char>(drive - 'a' + 'A');
    const auto mapped = mappedDrives.find(drive);
    if (mapped == mappedDrives.end()) return std::nullopt;
    return mapped->second + path.substr(2);
}

std::unique_ptr<ConnectionListing> FakeNetwork::OpenConnectedDisks() {
    if (failOpen) return nullptr;
    return std::make_unique<FakeConnectionListing>(*this);
}
