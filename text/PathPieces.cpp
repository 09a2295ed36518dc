#include "text/ShiftJisBytes.h"
#include "text/PathPieces.h"

std::size_t LastDelimiter(const Text& path, std::string_view delimiters) {
    // Lead and trail bytes can only be told apart from the start of the text, so the scan runs forward and
    // remembers the last hit.
    std::size_t last = Text::npos;
    for (std::size_t i = 0; i < path.size(); ++i) {
        const auto b = static_cast<unsigned char>(path[i]);
        if (IsKanjiLead(b)) {
            ++i;
        } else if (delimiters.find(static_cast<char>(b)) != std::string_view::npos) {
            last = i;
        }
    }
    return last;
}

Text PathFileName(const Text& path) {
    const std::size_t at = LastDelimiter(path, "\\:");
    return at == Text::npos ? path : path.substr(at + 1);
}

Text PathDirectory(const Text& path) {
    const std::size_t at = LastDelimiter(path, "\\:");
    return at == Text::npos ? Text() : path.substr(0, at + 1);
}

Text PathExtension(const Text& path) {
    const std::size_t at = LastDelimiter(path, ".\\:");
    return at != Text::npos && path[at] == '.' ? path.substr(at) : Text();
}
