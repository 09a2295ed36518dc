// Path pieces, the extension filter and its upper-casing on arbitrary bytes. A path is its directory followed
// by its file name; the pieces end where a delimiter stands at a character boundary, so neither the file
// name nor the extension holds a delimiter of its own; a filter cell written as the path's extension lets the
// path through, and no path passes empty cells.
#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "collect/ExtFilter.h"
#include "tests/fuzz/FuzzSupport.h"
#include "text/AsciiUpper.h"
#include "text/PathPieces.h"

namespace {

// The character boundaries of s: where each character starts, as CharacterBytes delimits them.
std::vector<bool> Boundaries(const Text& s) {
    std::vector<bool> starts(s.size() + 1, false);
    std::size_t i = 0;
    while (i < s.size()) {
        starts[i] = true;
        i += CharacterBytes(s, i);
    }
    starts[std::min(i, s.size())] = true;
    return starts;
}

bool IsDelimiterAt(const Text& s, const std::vector<bool>& starts, std::size_t i, const Text& delimiters) {
    return starts[i] && delimiters.find(s[i]) != Text::npos;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const Text path(reinterpret_cast<const char*>(data), size);
    const std::vector<bool> starts = Boundaries(path);

    const Text name = PathFileName(path);
    const Text directory = PathDirectory(path);
    Check(directory + name == path);
    // The directory ends in a delimiter at a boundary, and no delimiter at a boundary follows it.
    Check(directory.empty() || IsDelimiterAt(path, starts, directory.size() - 1, "\\:"));
    for (std::size_t i = directory.size(); i < size; ++i)
        Check(!IsDelimiterAt(path, starts, i, "\\:"));
    Check(LastDelimiter(name, "\\:") == Text::npos);

    const Text extension = PathExtension(path);
    Check(name.size() >= extension.size() &&
          name.compare(name.size() - extension.size(), extension.size(), extension) == 0);
    if (!extension.empty()) {
        const std::size_t dot = size - extension.size();
        Check(IsDelimiterAt(path, starts, dot, "."));
        Check(LastDelimiter(extension, ".\\:") == 0);
    } else {
        // No dot at a boundary after the last "\" or ":".
        for (std::size_t i = directory.size(); i < size; ++i)
            Check(!IsDelimiterAt(path, starts, i, "."));
    }

    const Text upper = AsciiUpper(path);
    Check(upper.size() == size && AsciiUpper(upper) == upper);
    for (std::size_t i = 0; i < size; ++i)
        Check(upper[i] == path[i] || (path[i] >= 'a' && path[i] <= 'z' && upper[i] == path[i] - 32));

    // A cell holding the extension as the user writes it: without its dot, in either case ("/" for none,
    // which is also how the extension "./" would be written, so that one cannot be asked for).
    const Text cell = extension.empty() ? Text("/") : extension.substr(1);
    if (cell != "/" || extension.empty()) {
        Check(PassesFilter(path, FilterSlots({"", "", "", "", cell})) == !cell.empty());
        Check(PassesFilter(path, FilterSlots({AsciiUpper(cell), "", "", "", ""})) == !cell.empty());
    }
    Check(!PassesFilter(path, FilterSlots({"", "", "", "", ""})));
    return 0;
}
