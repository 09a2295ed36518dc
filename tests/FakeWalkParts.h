// What a walk runs on in the unit tests: a fake file system, network and path order, a recording view, a
// contents reader that records the files it is given, the drop state and the options of the drop.
#pragma once

#include "collect/DropState.h"
#include "shared/View.h"
#include "tests/fakes/FakeCollation.h"
#include "tests/fakes/FakeDrop.h"
#include "tests/fakes/FakeFileSystem.h"
#include "tests/fakes/FakeNetwork.h"
#include "tests/fakes/RecordingView.h"

struct FakeWalkParts {
    FakeFileSystem files;
    FakeNetwork network;
    FakeCollation locale{LetterCase::kIgnored};
    RecordingView view;
    FakeContentsReader reader;
    DropState state{locale};
    OptionSnapshot options;
};
