#include "collect/PathList.h"

#include <cstring>

void PathList::Add(const Text& entry) {
    locale_.SortKey(entry, key_);
    const auto at = byKey_.lower_bound(key_);
    if (at != byKey_.end() && at->first == key_) return;
    char* bytes = static_cast<char*>(arena_.allocate(key_.size() + entry.size(), 1));
    std::memcpy(bytes, key_.data(), key_.size());
    std::memcpy(bytes + key_.size(), entry.data(), entry.size());
    byKey_.emplace_hint(at, std::string_view(bytes, key_.size()),
                        std::string_view(bytes + key_.size(), entry.size()));
}

std::vector<Text> PathList::Entries() const {
    std::vector<Text> entries;
    entries.reserve(byKey_.size());
    for (const auto& [key, entry] : byKey_)
        entries.emplace_back(entry);
    return entries;
}

void PathList::Clear() {
    byKey_.clear();
    arena_.release();
}
