// The file contents reader as the path walker and the drop handler see it.
#pragma once

#include "platform/FileSystem.h"
#include "text/Text.h"

class ContentsReader {
public:
    virtual ~ContentsReader() = default;

    // Writes the contents of the file at path (or its line count) into the text area. Does nothing for a
    // folder. Raises AppError when the file cannot be opened or read; the error ends the drop.
    virtual void AddFileContents(const Text& path) = 0;

    // The same for an entry the walk found: facts are what the file system told of it with its name (null
    // when unknown), which spares asking again, and a count line names the file as shown (its path as the
    // output options write it) rather than by path. A reader with no use for either needs only the path.
    virtual void AddWalkedFile(const Text& path, const Text& /*shown*/, const EntryFacts* /*facts*/) {
        AddFileContents(path);
    }

    // The walk names a file it will hand over soon, with what it was told of it, so that the reader may start
    // on it. It names a folder's files last to first, and hands them over first to last before any file named
    // earlier. A reader that starts only on AddWalkedFile ignores it.
    virtual void ExpectFile(const Text& /*path*/, const EntryFacts& /*facts*/) {}

    // Writes the lines it still holds into the text area, and forgets the files it was told to expect. The
    // drop handler calls it once the walk has ended, before its finishing steps write anything. A reader that
    // writes at once holds nothing.
    virtual void WriteHeldLines() {}

    // What the user is to be told once the drop has ended (which file had lines cut), or the empty text;
    // taking it clears it for the next drop. A reader that never cuts has nothing to tell.
    virtual Text TakeDropNotice() { return Text(); }
};
