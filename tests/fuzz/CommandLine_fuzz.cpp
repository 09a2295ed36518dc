// Command-line splitting on arbitrary bytes, against a plain model of the splitting rules: skip separators
// and empty pairs of quotes, then take characters, a quote toggling a stretch in which separators are taken
// too, until a separator outside a stretch; there the next argument begins. An argument has no bound.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "collect/CommandLine.h"
#include "tests/fuzz/FuzzSupport.h"

namespace {

bool Separator(char c) {
    return static_cast<unsigned char>(c) <= 0x20;
}

std::vector<Text> Model(const Text& commandLine) {
    const Text line = commandLine.substr(0, commandLine.find('\0'));
    std::vector<Text> words;
    std::size_t i = 0;
    for (;;) {
        for (;;) {
            while (i < line.size() && Separator(line[i]))
                ++i;
            if (line.compare(i, 2, "\"\"") != 0) break;
            i += 2;
        }
        if (i == line.size()) break;
        Text word;
        bool quoted = false;
        for (; i < line.size(); ++i) {
            const char c = line[i];
            if (c == '"') {
                quoted = !quoted;
            } else if (Separator(c) && !quoted) {
                break;
            } else {
                word += c;
            }
        }
        // Only a lone quote at the very end gives an empty word; it is no argument.
        if (!word.empty()) words.push_back(word);
    }
    if (!words.empty()) words.erase(words.begin());  // the executable
    return words;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const Text line(reinterpret_cast<const char*>(data), size);
    const std::vector<Text> arguments = CommandLineArguments(line);
    std::size_t taken = 0;
    for (const Text& argument : arguments) {
        Check(!argument.empty());
        Check(argument.find('"') == Text::npos && argument.find('\0') == Text::npos);
        taken += argument.size();
    }
    Check(taken <= size);
    Check(arguments == Model(line));

    // Inputs that begin with 0xFF also repeat the rest past the 4,096 bytes that once ended an argument (not
    // all of them: a line of some 4 KiB costs as much as a hundred short ones).
    if (size > 1 && size < 64 && data[0] == 0xFF) {
        const Text pattern = line.substr(1, line.find('\0') - 1);
        Text longLine = "x ";
        while (!pattern.empty() && longLine.size() <= 4096 + size)
            longLine += pattern;
        Check(CommandLineArguments(longLine) == Model(longLine));
    }
    return 0;
}
