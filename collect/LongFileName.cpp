#include "collect/LongFileName.h"

#include <cstddef>
#include <vector>

#include "text/PathPieces.h"

namespace {

// True when the last byte is a backslash of its own, not the second byte of a character such as 表.
bool EndsInSeparator(const Text& s) {
    return !s.empty() && LastDelimiter(s, "\\") == s.size() - 1;
}

}  // namespace

Text LongFileName(const Text& path, NameLookup& lookup) {
    // Every level of the path is a prefix of it: the directory part of the level below, less one trailing
    // backslash. The levels are gathered from the end inward, then looked up from the root outward.
    std::vector<std::size_t> levels;
    Text s = path;
    while (!s.empty()) {
        if (EndsInSeparator(s)) s.pop_back();
        // Two bytes or fewer is the root: a drive such as C:, a single backslash, a short name.
        if (s.size() <= 2) break;
        levels.push_back(s.size());
        s = PathDirectory(s);
    }
    Text result = s;
    for (auto level = levels.rbegin(); level != levels.rend(); ++level) {
        const Text prefix = path.substr(0, *level);
        const Text name = lookup.StoredName(prefix);
        if (name.empty()) {
            result = prefix;
        } else {
            result += '\\';
            result += name;
        }
    }
    return result;
}
