// A dropped folder drawn as a tree: its path on the first line, then one line per entry below it, each
// folder's entries under it, drawn with box-drawing lines or with ASCII.
#pragma once

#include <vector>

#include "platform/Collation.h"
#include "shared/OutputOptions.h"
#include "text/Text.h"

struct TreeNode {
    Text name;
    bool folder = false;
    bool drawn = true;  // false: left out of the drawing (a file the options leave out)
    std::vector<TreeNode> children;
};

// Puts every folder's entries in order: the locale's or natural order of their names, or left as walked.
void OrderTree(TreeNode& node, EntryOrder order, Collation& locale);

// The lines of the tree below rootLine, the entries of each folder in the order they stand; a folder's name
// ends in "\" with folderMark. Entries not drawn take no line, and the last drawn entry of a folder closes
// it.
std::vector<Text> DrawTree(const Text& rootLine, const TreeNode& root, TreeStyle style, bool folderMark);
