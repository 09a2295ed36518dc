// The entries of one drop, without duplicates: of entries that compare equal in the locale's order ignoring
// case, the first one added stays, spelled as it was added. They come out in the locale's order (the
// default), in the order they were added, or in natural order (numbers in names compare as numbers).
#pragma once

#include <cstddef>
#include <map>
#include <memory_resource>
#include <string_view>
#include <unordered_set>
#include <utility>
#include <vector>

#include "collect/NaturalKey.h"
#include "platform/Collation.h"
#include "shared/OutputOptions.h"
#include "text/KeyOrder.h"
#include "text/Text.h"

class PathList {
public:
    explicit PathList(Collation& locale) : locale_(locale), natural_(locale) {}
    PathList(const PathList&) = delete;
    PathList& operator=(const PathList&) = delete;

    // The order of entries added from now on, until set again. A change of order empties the list, whose
    // entries were placed the old way.
    void SetOrder(EntryOrder order);
    EntryOrder Order() const { return order_; }
    // The collation the list orders by, for orders made alongside it.
    Collation& Locale() const { return locale_; }

    // Makes the sort key of entry once; every later comparison is a plain byte comparison of keys, since the
    // locale's comparison is far too slow to run at every step of every insertion. A duplicate is not stored.
    void Add(const Text& entry) { Add(entry, entry); }
    // The same with key deciding the place and the duplicates, and line what Entries gives for it.
    void Add(const Text& key, const Text& line);

    std::vector<Text> Entries() const;
    // The entries in the same order as one text: separator between two, ending behind the last; empty when
    // there are none. A list of a million entries is then held once more, not as a million texts.
    Text Joined(const Text& separator, const Text& ending) const;
    std::size_t Size() const { return order_ == EntryOrder::Drop ? inOrder_.size() : byKey_.size(); }
    bool Empty() const { return Size() == 0; }
    void Clear();

private:
    // Calls visit with each entry's line, in the list's order.
    template <typename Visit>
    void ForEachLine(Visit visit) const {
        if (order_ == EntryOrder::Drop) {
            for (const std::string_view line : inOrder_)
                visit(line);
        } else {
            for (const auto& entry : byKey_)
                visit(entry.second);
        }
    }

    // Stores key and line next to each other in the arena; returns their copies.
    std::pair<std::string_view, std::string_view> Keep(const Text& key, const Text& line);

    Collation& locale_;
    NaturalKey natural_;
    EntryOrder order_ = EntryOrder::Locale;
    Text key_;  // scratch, reused from entry to entry
    // Keys, entries and tree nodes are never removed one by one, so they all come from one arena that is
    // dropped as a whole: no allocation per entry on the heap, and each node lies next to its bytes.
    std::pmr::monotonic_buffer_resource arena_;
    // Locale and natural order: line by key.
    std::pmr::map<std::string_view, std::string_view, KeyLess> byKey_{&arena_};
    // Drop and natural order: the locale keys met, which decide the duplicates (natural keys can tell apart
    // texts the locale calls equal).
    std::pmr::unordered_set<std::string_view> seen_{&arena_};
    // Drop order: the lines as added.
    std::vector<std::string_view> inOrder_;
};
