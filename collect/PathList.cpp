#include "collect/PathList.h"

#include <cstring>
#include <utility>

void PathList::SetOrder(EntryOrder order) {
    if (order == order_) return;
    Clear();
    order_ = order;
}

void PathList::Add(const Text& key, const Text& line) {
    switch (order_) {
        case EntryOrder::Locale: {
            locale_.SortKey(key, key_);
            const auto at = byKey_.lower_bound(key_);
            if (at != byKey_.end() && at->first == key_) return;
            const auto kept = Keep(key_, line);
            byKey_.emplace_hint(at, kept.first, kept.second);
            return;
        }
        case EntryOrder::Drop: {
            locale_.SortKey(key, key_);
            if (seen_.count(key_) != 0) return;
            const auto kept = Keep(key_, line);
            seen_.insert(kept.first);
            inOrder_.push_back(kept.second);
            return;
        }
        case EntryOrder::Natural: {
            const std::size_t localeSize = natural_.Make(key, key_);
            if (seen_.count(std::string_view(key_).substr(key_.size() - localeSize)) != 0) return;
            const auto kept = Keep(key_, line);
            seen_.insert(kept.first.substr(kept.first.size() - localeSize));
            byKey_.emplace(kept.first, kept.second);
            return;
        }
    }
}

std::pair<std::string_view, std::string_view> PathList::Keep(const Text& key, const Text& line) {
    char* bytes = static_cast<char*>(arena_.allocate(key.size() + line.size(), 1));
    std::memcpy(bytes, key.data(), key.size());
    std::memcpy(bytes + key.size(), line.data(), line.size());
    return {std::string_view(bytes, key.size()), std::string_view(bytes + key.size(), line.size())};
}

std::vector<Text> PathList::Entries() const {
    std::vector<Text> entries;
    entries.reserve(Size());
    ForEachLine([&](std::string_view line) { entries.emplace_back(line); });
    return entries;
}

Text PathList::Joined(const Text& separator, const Text& ending) const {
    Text joined;
    if (Empty()) return joined;
    std::size_t size = (Size() - 1) * separator.size() + ending.size();
    ForEachLine([&](std::string_view line) { size += line.size(); });
    joined.reserve(size);
    bool first = true;
    ForEachLine([&](std::string_view line) {
        if (!std::exchange(first, false)) joined += separator;
        joined += line;
    });
    joined += ending;
    return joined;
}

void PathList::Clear() {
    byKey_.clear();
    // Cleared, the set would keep its buckets, which lie in the arena.
    decltype(seen_)(&arena_).swap(seen_);
    std::vector<std::string_view>().swap(inOrder_);
    arena_.release();
}
