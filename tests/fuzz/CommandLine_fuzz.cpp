// Command-line splitting on arbitrary bytes, against a plain model of the splitting rules: skip separators
// and empty pairs of quotes, then take characters, a quote toggling a stretch in which separators are taken
// too, until a separator outside a stretch or a character that would pass the argument's bound in Shift_JIS
// bytes; there the next argument begins, outside any stretch.
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
        std::size_t width = 0;
        bool quoted = false;
        while (i < line.size() && width < kArgumentLimit) {
            const char c = line[i];
            if (c == '"') {
                quoted = !quoted;
            } else if (Separator(c) && !quoted) {
                break;
            } else {
                const std::size_t characterWidth = ShiftJisWidth(CharacterAt(line, i));
                if (width + characterWidth > kArgumentLimit) break;
                const std::size_t bytes = CharacterBytes(line, i);
                word += line.substr(i, bytes);
                width += characterWidth;
                i += bytes;
                continue;
            }
            ++i;
        }
        // A stretch cut by the bound right before its closing quote is closed by that quote, which the next
        // argument does not get.
        if (quoted && i < line.size() && line[i] == '"') ++i;
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
        std::size_t width = 0;
        for (std::size_t at = 0; at < argument.size(); at += CharacterBytes(argument, at))
            width += ShiftJisWidth(CharacterAt(argument, at));
        Check(!argument.empty() && width <= kArgumentLimit);
        Check(argument.find('"') == Text::npos && argument.find('\0') == Text::npos);
        taken += argument.size();
    }
    Check(taken <= size);
    Check(arguments == Model(line));

    // Inputs that begin with 0xFF also repeat the rest past the bound (not all of them: a line of some 4 KiB
    // costs as much as a hundred short ones): an argument is cut where its next character would pass 4096
    // bytes, and the rest is the next one.
    if (size > 1 && size < 64 && data[0] == 0xFF) {
        const Text pattern = line.substr(1, line.find('\0') - 1);
        Text longLine = "x ";
        while (!pattern.empty() && longLine.size() <= kArgumentLimit + size)
            longLine += pattern;
        Check(CommandLineArguments(longLine) == Model(longLine));
    }
    return 0;
}
