// The drop handler: turns one drop of files and folders onto the text area into lines, refusing it while
// another operation runs.
#pragma once

#include "collect/ContentsReader.h"
#include "collect/DropState.h"
#include "collect/PathWalker.h"
#include "platform/Drop.h"
#include "platform/FileSystem.h"
#include "platform/Network.h"
#include "shared/FirstError.h"
#include "shared/View.h"
#include "text/Text.h"

class DropHandler {
public:
    // output: how the lines are written and ordered, read at the start of every drop (the settings window
    // may change them meanwhile).
    DropHandler(DropState& state, View& view, FileSystem& files, Network& network, ContentsReader& reader,
                const OutputOptions& output = PlainOutput())
        : state_(state), view_(view), files_(files), network_(network), reader_(reader), output_(output) {}

    // Handles one drop. While busy it shows kBusyMessage and changes nothing, leaving handled as the caller
    // preset it and the drop unreleased. Otherwise it walks the names, writes the output, releases the drop
    // and sets handled. An error that escapes the walk, or any of those steps, leaves here only after all the
    // others have been done: the flag cleared, the top panel enabled, the drop released.
    void HandleDrop(DroppedNames& names, bool& handled);

private:
    void Walk(DroppedNames& names, const OptionSnapshot& options, const OutputOptions& output);
    // options is null when they could not be read; then only the steps that need none run.
    void Finish(DroppedNames& names, const OptionSnapshot* options, const OutputOptions& output,
                FirstError& error, bool& handled);

    DropState& state_;
    View& view_;
    FileSystem& files_;
    Network& network_;
    ContentsReader& reader_;
    const OutputOptions& output_;
};
