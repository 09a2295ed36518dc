#include "shared/LongFileName.h"

#include <cstddef>
#include <utility>
#include <vector>

#include "text/PathPieces.h"

namespace {

// The text less one trailing backslash.
Text WithoutTrailingSeparator(Text s) {
    if (!s.empty() && s.back() == '\\') s.pop_back();
    return s;
}

}  // namespace

Text LongFileName(const Text& path, NameLookup& lookup) {
    // Every level of the path is a prefix of it: the directory part of the level below, less one trailing
    // backslash. The levels are gathered from the end inward, then looked up from the root outward.
    std::vector<std::size_t> levels;
    Text s = WithoutTrailingSeparator(path);
    // Two bytes or fewer is a root: a drive such as C:, a single backslash, a short name.
    while (s.size() > 2) {
        Text directory = WithoutTrailingSeparator(PathDirectory(s));
        // A level that ends in a colon is its own directory part (abc:, C:\a.txt:, \\?\C:); it is a root too,
        // or the gathering would never end.
        if (directory.size() >= s.size()) break;
        levels.push_back(s.size());
        s = std::move(directory);
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
