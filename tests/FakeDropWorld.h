// The drop half of the program over fakes: a file tree, file contents, a network, the locale ignoring case as
// the path list's does, and a view that records what it is given.
#pragma once

#include "tests/DropWiring.h"
#include "tests/fakes/FakeCollation.h"
#include "tests/fakes/FakeFileReader.h"
#include "tests/fakes/FakeFileSystem.h"
#include "tests/fakes/FakeNetwork.h"
#include "tests/fakes/RecordingView.h"

struct FakeDropWorld {
    FakeFileSystem tree;
    FakeFileReader files;
    FakeNetwork network;
    FakeCollation locale{LetterCase::kIgnored};
    RecordingView view;
    DropWiring drop{locale, view, tree, network, files};
};
