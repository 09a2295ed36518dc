// The real drop state, contents reader and drop handler, wired to the view and services a test gives: the
// drop half of the program, over fakes or over the real system. The output options are the defaults until a
// test sets them.
#pragma once

#include "collect/DropHandler.h"
#include "collect/DropState.h"
#include "collect/FileContentsReader.h"
#include "shared/OutputOptions.h"

struct DropWiring {
    DropWiring(Collation& locale, View& view, FileSystem& tree, Network& network, FileReader& files)
        : state{locale}, reader{state, view, files}, handler{state, view, tree, network, reader, output} {}

    OutputOptions output;
    DropState state;
    FileContentsReader reader;
    DropHandler handler;
};
