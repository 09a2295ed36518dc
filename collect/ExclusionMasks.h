// The exclusion masks of a walk: one text of ";"-separated patterns with "*" and "?". A pattern ending in
// "\" names folders, which the walk then neither outputs nor enters; any other names files. A piece that
// is empty (spaces only) or holds a "\" anywhere but at its end names nothing and is ignored.
#pragma once

#include <vector>

#include "platform/FileSystem.h"
#include "text/Text.h"

struct MaskPieces {
    std::vector<Text> folders;  // without their "\"
    std::vector<Text> files;
    std::vector<Text> invalid;  // as written, spaces trimmed
};

// The pieces of masks, spaces around each trimmed, in the order written.
MaskPieces SplitMasks(const Text& masks);

class ExclusionMasks {
public:
    // Matching is the file system's (files.MatchesAny), asked only for the kinds of pattern there are.
    ExclusionMasks(const Text& masks, FileSystem& files);

    bool Empty() const { return folders_.empty() && files_.empty(); }
    // Whether the walk leaves out the entry of this name (no folder part) found in a listing.
    bool Excludes(const Text& name, bool folder) const;

private:
    FileSystem& system_;
    Text folders_;  // the valid patterns of each kind, ";"-separated, as the matcher takes them
    Text files_;
};

// The masks as the settings window's sample shows them: each kind of piece after its name, the ignored ones
// last; empty masks say that nothing is left out.
Text MasksSample(const Text& masks);
