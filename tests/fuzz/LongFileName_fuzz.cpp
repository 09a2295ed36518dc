// LongFileName over a lookup that answers from the input: it ends, it looks up only ever longer prefixes of
// the path (one per level, so no more lookups than bytes), and what it returns is bounded by the path and the
// answers. With a lookup that never answers, the path comes back with at most one trailing backslash less.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>

#include "shared/LongFileName.h"
#include "tests/fuzz/FuzzSupport.h"

namespace {

class AnsweringLookup : public NameLookup {
public:
    AnsweringLookup(const Text& path, FuzzedDataProvider* answers) : path_(path), answers_(answers) {}

    std::size_t answeredBytes = 0;  // the answers' bytes, plus one separator each

    Text StoredName(const Text& prefix) override {
        Check(prefix.size() > previous_ && prefix.size() <= path_.size());
        Check(path_.compare(0, prefix.size(), prefix) == 0);
        previous_ = prefix.size();
        if (!answers_ || answers_->remaining_bytes() == 0) return Text();
        Text name = answers_->ConsumeRandomLengthString(259);
        if (!name.empty()) answeredBytes += 1 + name.size();
        return name;
    }

private:
    const Text& path_;
    FuzzedDataProvider* answers_;
    std::size_t previous_ = 0;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider provider(data, size);
    const Text path = provider.ConsumeRandomLengthString(size);

    AnsweringLookup answering(path, &provider);
    const Text result = LongFileName(path, answering);
    Check(result.size() <= path.size() + answering.answeredBytes);

    AnsweringLookup silent(path, nullptr);
    const bool trailing = !path.empty() && path.back() == '\\';
    Check(LongFileName(path, silent) == (trailing ? path.substr(0, path.size() - 1) : path));
    return 0;
}
