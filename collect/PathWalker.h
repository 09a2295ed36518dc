// The path walker: turns one path into output in the selected mode, descending into folders when recursion is
// on, and keeps the progress bar and the message pump going meanwhile.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

#include "collect/ContentsReader.h"
#include "collect/DropState.h"
#include "collect/ExclusionMasks.h"
#include "collect/PathListFeeder.h"
#include "collect/TreeDrawing.h"
#include "platform/FileSystem.h"
#include "platform/Network.h"
#include "shared/EnvironmentForm.h"
#include "shared/OutputOptions.h"
#include "shared/View.h"
#include "text/Text.h"

// Why a folder could not be listed, from the system's error code, as the drop's closing notice gives it.
Text ListingFailureText(std::uint32_t code);

// Options that give every line as the output mode makes it: what a walk or a drop given none writes.
const OutputOptions& PlainOutput();

class PathWalker {
public:
    // Entries carrying hidden or system are passed over in listings, unless the options take them too;
    // folders and files come through.
    static constexpr std::uint32_t kListingMask = FileAttr::VolumeLabel | FileAttr::Directory;
    static constexpr std::int32_t kTickCap = 1023;
    static constexpr std::int32_t kTickStep = 64;
    // In the contents modes a listing is read this many entries ahead of the walk.
    static constexpr std::size_t kAheadEntries = 4096;

    // output says how the lines are written: in the path modes each line of the list, in count mode the path
    // of each count line (there without columns, one a line).
    PathWalker(DropState& state, const OptionSnapshot& options, View& view, FileSystem& files,
               Network& network, ContentsReader& reader, const OutputOptions& output = PlainOutput());

    // Handles one dropped path. The caller has set FDropIndex and reset FTick. A folder's output follows
    // everything below it; a link back to a folder on its own path is output but not descended into; an entry
    // the exclusion masks name is passed over, and a folder they name is not entered; a folder that cannot be
    // listed, or not to its end, is added to FUnlistedFolders. In the tree form the
    // dropped name gives one entry: its tree, each line ending in CR LF but the last. Errors
    // of the contents reader pass through. On return FPathList holds the output, each entry placed by the
    // line its mode makes; after an error it holds it once the walker is gone.
    void CollectPath(const Text& path);

private:
    // A folder on the walked path: its length in the path and, once asked for, its identity.
    struct OnPath {
        std::size_t length;
        std::optional<FolderId> id;
    };

    // attributes are the path's as far as they are known: queried for a dropped path, taken from the listing
    // for everything found below it, which spares one query of the file system per entry; facts likewise,
    // null where they were not asked for or could not be read. The path grows and shrinks in place as the
    // walk goes down and up: one buffer serves every entry.
    void Walk(Text& path, std::uint32_t attributes, const EntryFacts* facts);
    // knownFolder: the attributes were read and name a folder, so that a listing that cannot be opened leaves
    // entries out.
    void Descend(Text& path, bool knownFolder);
    // Names the folder in the drop's closing notice, with the reason.
    void NoteUnlisted(const Text& path, std::uint32_t failure, bool midway);
    void DescendAhead(Text& path, FolderListing& listing);
    void WalkEntry(Text& path, const FolderEntry& entry);
    void CountEntry();
    // Whether the options leave the entry out of the walk, or only out of the output.
    bool Excluded(const FolderEntry& entry) const;
    bool KindShown(std::uint32_t attributes) const;
    void AddTree(const Text& path);
    bool LeadsBack(const Text& link);
    void Output(const Text& path, std::uint32_t attributes, const EntryFacts* facts);
    void AddLine(const Text& path, const Text& line, std::uint32_t attributes, const EntryFacts* facts);
    // The line of the network, short or name mode.
    Text ModeLine(const Text& path);
    // A path as the lines give it: as the file system stores it, or with the code page names option, in the
    // form code page 932 can spell. The walk itself always goes by the stored names.
    Text Shown(const Text& path);
    std::size_t RelativeStart(const Text& path, const Text& line) const;
    void ShowProgress();

    DropState& state_;
    const OptionSnapshot& options_;
    View& view_;
    FileSystem& files_;
    Network& network_;
    ContentsReader& reader_;
    const OutputOptions& output_;
    // What the options ask of the walk, settled once: whether the lines go through the formatter (path modes)
    // or the count lines' paths do (count mode, with the count options), and what must be known of each
    // entry beyond its line: whether it is a folder, or all its facts (for the columns, or the reader).
    OutputOptions countOutput_;
    bool formatsLines_ = false;
    bool formatsCountPaths_ = false;
    bool needsFolder_ = false;
    bool needsFacts_ = false;
    bool listsTimes_ = false;  // the time column: each listed entry's last write in local time
    // The dropped name: its length, which tells it from the entries below it, and, when relative paths are
    // asked for below it, its own line in the mode, before which each entry's line is cut.
    std::size_t droppedLength_ = 0;
    Text droppedLine_;
    bool droppedLineKnown_ = false;
    // Entries walked below the dropped name, uncapped: the pump's rhythm.
    std::uint64_t entries_ = 0;
    // Files handed to the reader, for the same rhythm.
    std::uint64_t filesRead_ = 0;
    ExclusionMasks masks_;
    std::uint32_t listingMask_ = kListingMask;
    int level_ = 0;  // levels below the dropped name of the entry being walked
    std::optional<EnvironmentForm> environment_;
    // The tree of the dropped name being walked, and the folders on the walked path within it, deepest last.
    bool drawsTree_ = false;
    TreeNode tree_;
    std::vector<TreeNode*> treeAt_;
    // Identities of the folders on the walked path, filled only when a link is met, shortest first.
    std::vector<OnPath> onPath_;
    // The output goes to FPathList through here, so that its sort keys are made while the walk goes on.
    PathListFeeder feeder_{state_.FPathList};
};
