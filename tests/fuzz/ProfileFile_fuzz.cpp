// Data.INI over fuzzed bytes: a value that Set takes reads back as itself, from the file and from its bytes
// read again; a value it refuses leaves the bytes as they were; another key keeps its value either way.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>

#include "platform/ProfileFile.h"
#include "tests/fuzz/FuzzSupport.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    const Text section = input.ConsumeBool() ? "Show" : "Output";
    const Text key = input.ConsumeBool() ? "FontName" : "ExcludeMasks";
    const Text value = input.ConsumeRandomLengthString(64);
    const std::string bytes = input.ConsumeRemainingBytesAsString();

    ProfileFile file(bytes);
    const std::optional<Text> other = file.Value("System", "DeskTopSet");
    const std::string before = file.Bytes();
    if (file.Set(section, key, value)) {
        Check(file.Value(section, key) == value);
        Check(ProfileFile(file.Bytes()).Value(section, key) == value);
    } else {
        Check(file.Bytes() == before);
    }
    Check(ProfileFile(file.Bytes()).Value("System", "DeskTopSet") == other);
    return 0;
}
