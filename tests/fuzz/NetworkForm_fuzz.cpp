// The network form over an expansion and a network provider that answer from the input: either family,
// universal names or the enumeration of connections, whose provider may ask for any buffer size. The form is
// the expanded path, or the universal name, or the remote name of the first connection delivered for the
// path's drive followed by the rest of the path; the enumeration is closed on every way out.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>

#include "collect/NetworkForm.h"
#include "tests/fuzz/FuzzSupport.h"

namespace {

class Expansion : public FileSystem {
public:
    explicit Expansion(Text expanded) : expanded_(std::move(expanded)) {}

    std::uint32_t Attributes(const Text&) override { return FileAttr::Invalid; }
    std::optional<EntryFacts> Facts(const Text&) override { return std::nullopt; }
    OpenedListing List(const Text&, std::uint32_t, bool) override { return {}; }
    Text FullPath(const Text&) override { return expanded_; }
    Text ShortPath(const Text&) override { return Text(); }
    std::optional<FolderId> Identity(const Text&) override { return std::nullopt; }
    Text CodePageForm(const Text& path) override { return path; }
    bool MatchesAny(const Text&, const Text&) override { return false; }
    bool SameName(const Text& a, const Text& b) override { return a == b; }
    Text EnvironmentValue(const Text&) override { return Text(); }

private:
    Text expanded_;
};

unsigned char Upper(char c) {
    const auto b = static_cast<unsigned char>(c);
    return b >= 'a' && b <= 'z' ? static_cast<unsigned char>(b - 32) : b;
}

class AnsweringNetwork : public Network {
public:
    AnsweringNetwork(FuzzedDataProvider& input, char drive) : input_(input), drive_(Upper(drive)) {
        version_.ntFamily = input_.ConsumeBool();
        version_.major = input_.ConsumeIntegralInRange<std::uint32_t>(3, 6);
    }

    std::optional<Text> universal;      // what UniversalName answered
    std::optional<Text> firstForDrive;  // the remote name of the first connection delivered for the drive
    int open = 0;                       // enumerations open

    PlatformVersion Version() override { return version_; }

    std::optional<Text> UniversalName(const Text&) override {
        if (input_.ConsumeBool()) universal = input_.ConsumeRandomLengthString(1023);
        return universal;
    }

    std::unique_ptr<ConnectionListing> OpenConnectedDisks() override {
        if (input_.ConsumeBool()) return nullptr;
        return std::make_unique<Listing>(*this);
    }

private:
    class Listing : public ConnectionListing {
    public:
        explicit Listing(AnsweringNetwork& owner) : owner_(owner) { ++owner_.open; }
        ~Listing() override { --owner_.open; }

        EnumAnswer Next(std::uint32_t bufferBytes, std::vector<NetConnection>& entries,
                        std::uint32_t& neededBytes) override {
            FuzzedDataProvider& input = owner_.input_;
            // Each call takes input, so the enumeration ends with it; a buffer asked for is offered next
            // time.
            Check(bufferBytes >= offered_);
            offered_ = bufferBytes;
            if (input.remaining_bytes() == 0) return EnumAnswer::Finished;
            switch (input.ConsumeIntegralInRange(0, 2)) {
                case 0:
                    neededBytes = input.ConsumeIntegral<std::uint32_t>();
                    return EnumAnswer::MoreData;
                case 1: {
                    entries.clear();
                    const int count = input.ConsumeIntegralInRange(1, 3);
                    for (int i = 0; i < count; ++i) {
                        NetConnection c{input.ConsumeRandomLengthString(4),
                                        input.ConsumeRandomLengthString(40)};
                        if (!owner_.firstForDrive && !c.localName.empty() &&
                            Upper(c.localName[0]) == owner_.drive_)
                            owner_.firstForDrive = c.remoteName;
                        entries.push_back(c);
                    }
                    return EnumAnswer::Entries;
                }
                default:
                    return EnumAnswer::Finished;
            }
        }

    private:
        AnsweringNetwork& owner_;
        std::uint32_t offered_ = 0;
    };

    FuzzedDataProvider& input_;
    unsigned char drive_;
    PlatformVersion version_;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    const Text expanded = input.ConsumeRandomLengthString(1024);
    Expansion files(expanded);
    AnsweringNetwork network(input, expanded.empty() ? '\0' : expanded[0]);

    const Text form = NetworkForm("x", files, network);
    Check(network.open == 0);
    const unsigned char drive = expanded.empty() ? 0 : Upper(expanded[0]);
    const bool onDrive = expanded.size() > 2 && expanded[1] == ':' && drive >= 'A' && drive <= 'Z';
    if (!onDrive) {
        Check(form == expanded);
    } else if (AsksUniversalName(network.Version())) {
        Check(form == network.universal.value_or(expanded));
    } else if (expanded[2] != '\\') {
        Check(form == expanded);
    } else {
        Check(form == (network.firstForDrive ? *network.firstForDrive + expanded.substr(2) : expanded));
    }
    return 0;
}
