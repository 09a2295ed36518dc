// Looks up the name under which the file system stores an entry.
#pragma once

#include "text/Text.h"

class NameLookup {
public:
    virtual ~NameLookup() = default;

    // The stored name (no directory part) of the first directory entry that matches path, whatever its
    // attributes (hidden, system, read-only, directory and archive entries all count); wildcards in the last
    // component match as the file system matches them. Empty when nothing matches or path cannot be searched.
    // The name is given whole, as the file system stores it.
    virtual Text StoredName(const Text& path) = 0;
};
