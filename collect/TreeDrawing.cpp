#include "collect/TreeDrawing.h"

#include <algorithm>
#include <cstddef>
#include <utility>

#include "collect/NaturalKey.h"
#include "text/KeyOrder.h"

namespace {

// What goes before an entry's name, and before the lines below it, by whether it is its folder's last.
struct Strokes {
    const char* branch;
    const char* lastBranch;
    const char* through;
    const char* pastLast;
};

// Each piece takes four bytes in Shift_JIS, so the names of one level line up in either style.
constexpr Strokes kLines{"├─", "└─", "│　", "　　"};
constexpr Strokes kAscii{"+-- ", "`-- ", "|   ", "    "};

void DrawBelow(const TreeNode& node, const Strokes& strokes, bool folderMark, Text& indent,
               std::vector<Text>& lines) {
    std::size_t last = node.children.size();
    for (std::size_t i = node.children.size(); i-- > 0;) {
        if (node.children[i].drawn) {
            last = i;
            break;
        }
    }
    for (std::size_t i = 0; i < node.children.size(); ++i) {
        const TreeNode& child = node.children[i];
        if (!child.drawn) continue;
        const bool isLast = i == last;
        Text line = indent + (isLast ? strokes.lastBranch : strokes.branch) + child.name;
        if (folderMark && child.folder) line += '\\';
        lines.push_back(std::move(line));
        const std::size_t length = indent.size();
        indent += isLast ? strokes.pastLast : strokes.through;
        DrawBelow(child, strokes, folderMark, indent, lines);
        indent.resize(length);
    }
}

}  // namespace

void OrderTree(TreeNode& node, EntryOrder order, Collation& locale) {
    for (TreeNode& child : node.children)
        OrderTree(child, order, locale);
    if (order == EntryOrder::Drop || node.children.size() < 2) return;
    NaturalKey natural(locale);
    std::vector<std::pair<Text, TreeNode>> keyed;
    keyed.reserve(node.children.size());
    for (TreeNode& child : node.children) {
        Text key;
        if (order == EntryOrder::Natural) {
            natural.Make(child.name, key);
        } else {
            locale.SortKey(child.name, key);
        }
        keyed.emplace_back(std::move(key), std::move(child));
    }
    std::stable_sort(keyed.begin(), keyed.end(),
                     [](const auto& a, const auto& b) { return CompareKeys(a.first, b.first) < 0; });
    for (std::size_t i = 0; i < keyed.size(); ++i)
        node.children[i] = std::move(keyed[i].second);
}

std::vector<Text> DrawTree(const Text& rootLine, const TreeNode& root, TreeStyle style, bool folderMark) {
    std::vector<Text> lines{rootLine};
    Text indent;
    DrawBelow(root, style == TreeStyle::Ascii ? kAscii : kLines, folderMark, indent, lines);
    return lines;
}
