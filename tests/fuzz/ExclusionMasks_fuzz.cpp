// The exclusion masks over random names and patterns: "*" leaves out every name of its kind, a pattern made
// from a name (characters put as "?", runs as "*") leaves out that name, and how the name's letters are
// cased never changes the answer.
#include <fuzzer/FuzzedDataProvider.h>

#include "collect/ExclusionMasks.h"
#include "tests/fakes/FakeFileSystem.h"
#include "tests/fuzz/FuzzSupport.h"
#include "text/AsciiUpper.h"
#include "text/Text.h"

namespace {

// Names as a listing gives them: no separator, no wildcard, no ";" that would split a pattern made of them,
// and no space at either end, which a pattern loses as the file manager trims it.
Text RandomName(FuzzedDataProvider& input) {
    static constexpr const char* kPieces[] = {"a", "B", "z", ".", " ", "-", "表", "ソ", "能", "é", "😀", "ｂ"};
    Text name;
    const auto length = input.ConsumeIntegralInRange(1, 12);
    for (int i = 0; i < length; ++i)
        name += kPieces[input.ConsumeIntegralInRange<std::size_t>(0, std::size(kPieces) - 1)];
    if (name.front() == ' ') name.front() = '_';
    if (name.back() == ' ') name.back() = '_';
    return name;
}

// The name with some characters as "?" and some runs as "*".
Text PatternFrom(const Text& name, FuzzedDataProvider& input) {
    Text pattern;
    for (std::size_t i = 0; i < name.size();) {
        const std::size_t bytes = CharacterBytes(name, i);
        const auto choice = input.ConsumeIntegralInRange(0, 3);
        if (choice == 1) {
            pattern += '?';
        } else if (choice == 2) {
            if (pattern.empty() || pattern.back() != '*') pattern += '*';
        } else {
            pattern.append(name, i, bytes);
        }
        i += bytes;
    }
    return pattern;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    FakeFileSystem files;
    const Text name = RandomName(input);
    const bool folder = input.ConsumeBool();
    const Text mark = folder ? "\\" : "";

    Check(ExclusionMasks(" *" + mark + " ", files).Excludes(name, folder));
    Check(!ExclusionMasks("*" + Text(folder ? "" : "\\"), files).Excludes(name, folder));

    const Text pattern = PatternFrom(name, input);
    const ExclusionMasks masks(";" + pattern + mark + ";;", files);
    Check(masks.Excludes(name, folder));
    Check(masks.Excludes(AsciiUpper(name), folder));

    const Text other = RandomName(input);
    const ExclusionMasks others(other + mark, files);
    Check(others.Excludes(name, folder) == others.Excludes(AsciiUpper(name), folder));
    return 0;
}
