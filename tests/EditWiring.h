// The real edit operations over a recording view, with the collation and break button a test gives: Run
// hands them lines and gives back what the view holds afterwards.
#pragma once

#include <vector>

#include "collect/DropState.h"
#include "edit/EditOperations.h"
#include "tests/fakes/FakeCaseMapper.h"
#include "tests/fakes/FakeCollation.h"
#include "tests/fakes/RecordingView.h"

struct EditWiring {
    EditWiring(Collation& collation, BreakButton& button) : edit{view, state, cases, collation, button} {}

    std::vector<Text> Run(int tag, const std::vector<Text>& lines) {
        view.lines = lines;
        edit.Run(tag);
        return view.lines;
    }

    FakeCollation locale{LetterCase::kIgnored};  // the drop state's path list, which no edit uses
    DropState state{locale};
    RecordingView view;
    FakeCaseMapper cases;
    EditOperations edit;
};
