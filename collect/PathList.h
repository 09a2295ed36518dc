// The entries of one drop, each once: an entry added again (the same path, unit for unit) is not stored
// twice. Only the very same path is one entry: names the locale calls equal (case, width, composed and
// decomposed accents) are different entries to the file system, and each keeps its line. They come out in
// the locale's order (the default; entries it calls equal in their bytes' order), in the order they were
// added, or in natural order (numbers in names compare as numbers).
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
    // The same with path deciding the place and the duplicates, and line what Entries gives for it.
    void Add(const Text& path, const Text& line);

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

    // Where an entry stands in the sorted orders: by its sort key, then, among entries the locale calls
    // equal, by its path's bytes.
    struct Place {
        std::string_view key;
        std::string_view path;
    };
    struct PlaceLess {
        bool operator()(const Place& a, const Place& b) const {
            const int byKey = CompareKeys(a.key, b.key);
            return byKey != 0 ? byKey < 0 : CompareKeys(a.path, b.path) < 0;
        }
    };
    struct Kept {
        Place place;
        std::string_view line;
    };

    // Stores key, path and line next to each other in the arena (the path once when it is the line);
    // returns their copies.
    Kept Keep(std::string_view key, const Text& path, const Text& line);
    void AddSorted(const Text& path, const Text& line);

    Collation& locale_;
    NaturalKey natural_;
    EntryOrder order_ = EntryOrder::Locale;
    Text key_;  // scratch, reused from entry to entry
    // Keys, entries and tree nodes are never removed one by one, so they all come from one arena that is
    // dropped as a whole: no allocation per entry on the heap, and each node lies next to its bytes.
    std::pmr::monotonic_buffer_resource arena_;
    // Locale and natural order: line by place.
    std::pmr::map<Place, std::string_view, PlaceLess> byKey_{&arena_};
    // Drop order: the paths met.
    std::pmr::unordered_set<std::string_view> seen_{&arena_};
    // Drop order: the lines as added.
    std::vector<std::string_view> inOrder_;
};
