#include "collect/ExclusionMasks.h"

#include <algorithm>
#include <cstddef>

namespace {

Text Trimmed(const Text& piece) {
    const std::size_t first = piece.find_first_not_of(' ');
    if (first == Text::npos) return Text();
    return piece.substr(first, piece.find_last_not_of(' ') - first + 1);
}

Text Joined(const std::vector<Text>& pieces, const char* between) {
    Text out;
    for (const Text& piece : pieces) {
        if (!out.empty()) out += between;
        out += piece;
    }
    return out;
}

}  // namespace

MaskPieces SplitMasks(const Text& masks) {
    MaskPieces pieces;
    if (Trimmed(masks).empty()) return pieces;
    std::size_t start = 0;
    for (;;) {
        const std::size_t end = std::min(masks.find(';', start), masks.size());
        const Text piece = Trimmed(masks.substr(start, end - start));
        // In UTF-8 every 0x5C byte is a backslash.
        const std::size_t backslash = piece.find('\\');
        if (piece.empty() || piece == "\\" || (backslash != Text::npos && backslash != piece.size() - 1)) {
            pieces.invalid.push_back(piece);
        } else if (backslash != Text::npos) {
            pieces.folders.push_back(piece.substr(0, backslash));
        } else {
            pieces.files.push_back(piece);
        }
        if (end == masks.size()) break;
        start = end + 1;
    }
    return pieces;
}

ExclusionMasks::ExclusionMasks(const Text& masks, FileSystem& files) : system_(files) {
    const MaskPieces pieces = SplitMasks(masks);
    folders_ = Joined(pieces.folders, ";");
    files_ = Joined(pieces.files, ";");
}

bool ExclusionMasks::Excludes(const Text& name, bool folder) const {
    const Text& patterns = folder ? folders_ : files_;
    return !patterns.empty() && system_.MatchesAny(name, patterns);
}

Text MasksSample(const Text& masks) {
    const MaskPieces pieces = SplitMasks(masks);
    Text out;
    const auto part = [&](const char* title, const std::vector<Text>& list) {
        if (list.empty()) return;
        if (!out.empty()) out += "  ";
        out += title;
        out += Joined(list, " ");
    };
    part("フォルダ: ", pieces.folders);
    part("ファイル: ", pieces.files);
    std::vector<Text> shown;
    for (const Text& piece : pieces.invalid)
        shown.push_back(piece.empty() ? "(空)" : piece);
    part("無効: ", shown);
    return out.empty() ? Text("除外なし") : out;
}
