// The path walker: turns one path into output in the selected mode, descending into folders when recursion is
// on, and keeps the progress bar and the message pump going meanwhile.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

#include "collect/ContentsReader.h"
#include "collect/DropState.h"
#include "collect/PathListFeeder.h"
#include "platform/FileSystem.h"
#include "platform/Network.h"
#include "platform/View.h"
#include "text/Text.h"

class PathWalker {
public:
    // Entries carrying hidden or system are passed over in listings; folders and files come through.
    static constexpr std::uint32_t kListingMask = FileAttr::VolumeLabel | FileAttr::Directory;
    static constexpr std::int32_t kTickCap = 1023;
    static constexpr std::int32_t kTickStep = 64;

    PathWalker(DropState& state, const OptionSnapshot& options, View& view, FileSystem& files,
               Network& network, ContentsReader& reader)
        : state_(state), options_(options), view_(view), files_(files), network_(network), reader_(reader) {}

    // Handles one dropped path. The caller has set FDropIndex and reset FTick. A folder's output follows
    // everything below it; a link back to a folder on its own path is output but not descended into. Errors
    // of the contents reader pass through. On return FPathList holds the output; after an error it holds it
    // once the walker is gone.
    void CollectPath(const Text& path);

private:
    // A folder on the walked path: its length in the path and, once asked for, its identity.
    struct OnPath {
        std::size_t length;
        std::optional<FolderId> id;
    };

    // attributes are the path's as far as they are known: queried for a dropped path, taken from the listing
    // for everything found below it, which spares one query of the file system per entry. The path grows and
    // shrinks in place as the walk goes down and up: one buffer serves every entry.
    void Walk(Text& path, std::uint32_t attributes);
    void Descend(Text& path);
    void CountEntry();
    bool LeadsBack(const Text& link);
    void Output(const Text& path);
    void ShowProgress();

    DropState& state_;
    const OptionSnapshot& options_;
    View& view_;
    FileSystem& files_;
    Network& network_;
    ContentsReader& reader_;
    // Entries walked below the dropped name, uncapped: the pump's rhythm.
    std::uint64_t entries_ = 0;
    // Identities of the folders on the walked path, filled only when a link is met, shortest first.
    std::vector<OnPath> onPath_;
    // The output goes to FPathList through here, so that its sort keys are made while the walk goes on.
    PathListFeeder feeder_{state_.FPathList};
};
