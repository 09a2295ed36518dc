// The entries of one drop, ordered by the locale's comparison ignoring case, without duplicates: of entries
// that compare equal, the first one added stays, spelled as it was added.
#pragma once

#include <cstddef>
#include <map>
#include <memory_resource>
#include <string_view>
#include <vector>

#include "platform/Collation.h"
#include "text/KeyOrder.h"
#include "text/Text.h"

class PathList {
public:
    explicit PathList(Collation& locale) : locale_(locale) {}
    PathList(const PathList&) = delete;
    PathList& operator=(const PathList&) = delete;

    // Makes one sort key for entry; every later comparison is a plain byte comparison of keys, since the
    // locale's comparison is far too slow to run at every step of every insertion. A duplicate is not stored.
    void Add(const Text& entry);

    std::vector<Text> Entries() const;
    std::size_t Size() const { return byKey_.size(); }
    bool Empty() const { return byKey_.empty(); }
    void Clear();

private:
    Collation& locale_;
    Text key_;  // scratch, reused from entry to entry
    // Keys, entries and tree nodes are never removed one by one, so they all come from one arena that is
    // dropped as a whole: no allocation per entry on the heap, and each node lies next to its bytes.
    std::pmr::monotonic_buffer_resource arena_;
    std::pmr::map<std::string_view, std::string_view, KeyLess> byKey_{&arena_};
};
