#include "collect/PathList.h"

#include <cstring>
#include <utility>

void PathList::SetOrder(EntryOrder order) {
    if (order == order_) return;
    Clear();
    order_ = order;
}

void PathList::Add(const Text& path, const Text& line) {
    if (order_ != EntryOrder::Drop) {
        AddSorted(path, line);
        return;
    }
    if (seen_.count(path) != 0) return;
    const Kept kept = Keep({}, path, line);
    seen_.insert(kept.place.path);
    inOrder_.push_back(kept.line);
}

void PathList::AddSorted(const Text& path, const Text& line) {
    if (order_ == EntryOrder::Natural) {
        natural_.Make(path, key_);
    } else {
        locale_.SortKey(path, key_);
    }
    const auto at = byKey_.lower_bound(Place{key_, path});
    if (at != byKey_.end() && at->first.path == path && at->first.key == key_) return;
    const Kept kept = Keep(key_, path, line);
    byKey_.emplace_hint(at, kept.place, kept.line);
}

PathList::Kept PathList::Keep(std::string_view key, const Text& path, const Text& line) {
    const bool pathIsLine = path == line;
    const std::size_t size = key.size() + line.size() + (pathIsLine ? 0 : path.size());
    char* bytes = static_cast<char*>(arena_.allocate(size, 1));
    if (!key.empty()) std::memcpy(bytes, key.data(), key.size());
    std::memcpy(bytes + key.size(), line.data(), line.size());
    const std::string_view keptLine(bytes + key.size(), line.size());
    std::string_view keptPath = keptLine;
    if (!pathIsLine) {
        char* pathBytes = bytes + key.size() + line.size();
        std::memcpy(pathBytes, path.data(), path.size());
        keptPath = std::string_view(pathBytes, path.size());
    }
    return {{std::string_view(bytes, key.size()), keptPath}, keptLine};
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
