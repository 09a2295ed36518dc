#include "text/PathPieces.h"

std::size_t LastDelimiter(const Text& path, std::string_view delimiters) {
    return path.find_last_of(delimiters.data(), Text::npos, delimiters.size());
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
