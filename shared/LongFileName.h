// The long form of a path: each component replaced, from the root outward, by its stored name.
#pragma once

#include "platform/NameLookup.h"
#include "text/Text.h"

// Never fails: a component that cannot be looked up stays as it is, and so does everything below it. A drive
// root such as C:\ comes back as C:, and at most one trailing backslash is removed. A part that ends in a
// colon (abc:, the C:\a.txt: of a stream name) is taken as a root, like a drive, and kept as it is.
Text LongFileName(const Text& path, NameLookup& lookup);
