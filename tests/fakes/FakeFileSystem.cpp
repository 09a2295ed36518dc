#include "tests/fakes/FakeFileSystem.h"

#include <algorithm>

#include "platform/Encoding.h"
#include "text/AsciiUpper.h"
#include "text/PathPieces.h"

namespace {

bool SameName(const Text& a, const Text& b) {
    return AsciiUpper(a) == AsciiUpper(b);
}

// ASCII case ignored, as the file system compares names; * matches any run of characters, ? any one.
bool WildcardMatch(std::string_view pattern, std::string_view name) {
    if (pattern.empty()) return name.empty();
    if (pattern[0] == '*')
        return WildcardMatch(pattern.substr(1), name) ||
               (!name.empty() && WildcardMatch(pattern, name.substr(CharacterBytes(name, 0))));
    if (name.empty()) return false;
    const std::size_t nameBytes = CharacterBytes(name, 0);
    if (pattern[0] == '?') return WildcardMatch(pattern.substr(1), name.substr(nameBytes));
    const std::size_t patternBytes = CharacterBytes(pattern, 0);
    const bool same =
        AsciiUpper(Text(pattern.substr(0, patternBytes))) == AsciiUpper(Text(name.substr(0, nameBytes)));
    return same && WildcardMatch(pattern.substr(patternBytes), name.substr(nameBytes));
}

}  // namespace

// Reports the children as they stood when the listing opened, less those removed since, after "." and "..".
class FakeFileSystem::Listing : public FolderListing {
public:
    Listing(FakeFileSystem& owner, Text folder, std::shared_ptr<Node> node, bool dots, std::uint32_t mask,
            bool withTimes, std::optional<ListingFailure> failure)
        : owner_(owner), folder_(std::move(folder)), node_(std::move(node)), mask_(mask), failure_(failure) {
        if (dots) {
            const EntryFacts folder{FileAttr::Directory, 0, LocalTime()};
            names_ = {{".", folder}, {"..", folder}};
        }
        for (const auto& child : node_->children) {
            names_.push_back({child->name, FactsOf(*child)});
            if (!withTimes) names_.back().facts.written = LocalTime();
        }
        ++owner_.listingsOpened;
        ++owner_.listingsOpen;
    }
    ~Listing() override { --owner_.listingsOpen; }

    bool Next(FolderEntry& entry) override {
        while (next_ < names_.size()) {
            if (failure_ && next_ == failure_->after) {
                failed_ = failure_->code;
                return false;
            }
            const FolderEntry& candidate = names_[next_++];
            const bool dot = candidate.name == "." || candidate.name == "..";
            const bool present = dot || std::any_of(node_->children.begin(), node_->children.end(),
                                                    [&](const auto& c) { return c->name == candidate.name; });
            if (!present || !PassesAttributeMask(candidate.facts.attributes, mask_)) continue;
            entry = candidate;
            const auto action = owner_.onListed_.find(Key(folder_ + "\\" + candidate.name));
            if (action != owner_.onListed_.end()) action->second();
            return true;
        }
        return false;
    }

    std::uint32_t Failure() const override { return failed_; }

private:
    FakeFileSystem& owner_;
    Text folder_;
    std::shared_ptr<Node> node_;
    std::uint32_t mask_;
    std::optional<ListingFailure> failure_;
    std::uint32_t failed_ = 0;
    std::vector<FolderEntry> names_;
    std::size_t next_ = 0;
};

std::vector<Text> FakeFileSystem::Components(const Text& path) {
    std::vector<Text> parts(1);
    for (std::size_t i = 0; i < path.size(); ++i) {
        if (path[i] == '\\') {
            parts.emplace_back();
        } else {
            parts.back() += path[i];
        }
    }
    parts.erase(std::remove(parts.begin(), parts.end(), Text()), parts.end());
    return parts;
}

Text FakeFileSystem::Key(const Text& path) {
    Text key;
    for (const Text& part : Components(path))
        key += AsciiUpper(part) + "\\";
    return key;
}

std::shared_ptr<FakeFileSystem::Node> FakeFileSystem::Find(const Text& path, bool followLast, int hops) {
    constexpr int kMaxHops = 63;
    if (hops > kMaxHops) return nullptr;
    const auto parts = Components(path);
    std::vector<std::shared_ptr<Node>>* level = &drives_;
    std::shared_ptr<Node> node;
    for (std::size_t i = 0; i < parts.size(); ++i) {
        const auto it = std::find_if(level->begin(), level->end(),
                                     [&](const auto& n) { return SameName(n->name, parts[i]); });
        if (it == level->end()) return nullptr;
        node = *it;
        if (!node->link.empty() && (followLast || i + 1 < parts.size())) {
            node = Find(node->link, true, hops + 1);
            if (!node) return nullptr;
        }
        level = &node->children;
    }
    return node;
}

FakeFileSystem::Node* FakeFileSystem::Make(const Text& path, std::uint32_t attributes) {
    const auto parts = Components(path);
    std::vector<std::shared_ptr<Node>>* level = &drives_;
    Node* node = nullptr;
    for (std::size_t i = 0; i < parts.size(); ++i) {
        const bool last = i + 1 == parts.size();
        const auto it =
            std::find_if(level->begin(), level->end(), [&](const auto& n) { return n->name == parts[i]; });
        if (it != level->end()) {
            node = it->get();
            if (last) node->attributes = attributes;
        } else {
            level->push_back(std::make_shared<Node>());
            node = level->back().get();
            node->name = parts[i];
            node->id = FolderId{1, ++nodesMade_, 0};
            node->attributes = last ? attributes : FileAttr::Directory;
        }
        level = &node->children;
    }
    return node;
}

void FakeFileSystem::AddFolder(const Text& path, std::uint32_t attributes) {
    Make(path, attributes);
}

void FakeFileSystem::AddFile(const Text& path, std::uint32_t attributes) {
    Make(path, attributes);
}

void FakeFileSystem::AddLink(const Text& path, const Text& target) {
    Make(path, FileAttr::Directory | FileAttr::ReparsePoint)->link = target;
}

void FakeFileSystem::SetShortName(const Text& path, const Text& shortName) {
    if (!keepsShortNames) return;
    if (const auto node = Find(path)) node->shortName = shortName;
}

void FakeFileSystem::SetIdentity(const Text& path, FolderId id) {
    if (const auto node = Find(path)) node->id = id;
}

void FakeFileSystem::SetAttributes(const Text& path, std::uint32_t attributes) {
    if (const auto node = Find(path)) node->attributes = attributes;
}

void FakeFileSystem::SetFacts(const Text& path, std::uint64_t size, LocalTime written) {
    if (const auto node = Find(path)) {
        node->size = size;
        node->written = written;
    }
}

void FakeFileSystem::Remove(const Text& path) {
    auto parts = Components(path);
    if (parts.empty()) return;
    const Text name = parts.back();
    parts.pop_back();
    Text parentPath;
    for (const Text& part : parts)
        parentPath += part + "\\";
    const auto parent = parts.empty() ? nullptr : Find(parentPath, true);
    if (!parts.empty() && !parent) return;
    auto& level = parent ? parent->children : drives_;
    const auto it =
        std::find_if(level.begin(), level.end(), [&](const auto& n) { return SameName(n->name, name); });
    if (it != level.end()) level.erase(it);
}

void FakeFileSystem::CountStandIn(const Text& path) {
    if (path.find('?') != Text::npos) ++standInQueries;
}

std::uint32_t FakeFileSystem::Attributes(const Text& path) {
    ++attributeQueries;
    CountStandIn(path);
    const auto node = Find(path);
    if (!node || failAttributes_.count(Key(path)) != 0) return FileAttr::Invalid;
    return node->attributes;
}

std::optional<EntryFacts> FakeFileSystem::Facts(const Text& path) {
    ++factsQueries;
    CountStandIn(path);
    const auto node = Find(path);
    if (!node || failAttributes_.count(Key(path)) != 0) return std::nullopt;
    return FactsOf(*node);
}

EntryFacts FakeFileSystem::FactsOf(const Node& node) {
    return EntryFacts{node.attributes, node.size, node.written};
}

OpenedListing FakeFileSystem::List(const Text& pattern, std::uint32_t mask, bool withTimes) {
    constexpr std::uint32_t kPathNotFound = 3;
    listedPatterns.push_back(pattern);
    CountStandIn(pattern);
    if (pattern.size() < 2 || pattern.compare(pattern.size() - 2, 2, "\\*") != 0)
        return {nullptr, kPathNotFound};
    const Text folder = pattern.substr(0, pattern.size() - 2);
    const auto node = Find(folder, true);
    if (!node || (node->attributes & FileAttr::Directory) == 0) return {nullptr, kPathNotFound};
    std::optional<ListingFailure> failure;
    if (const auto failing = failListing_.find(Key(folder)); failing != failListing_.end()) {
        if (failing->second.after == 0) return {nullptr, failing->second.code};
        failure = failing->second;
    }
    const bool root = Components(folder).size() == 1;
    return {std::make_unique<Listing>(*this, folder, node, !root, mask, withTimes, failure), 0};
}

std::optional<FolderId> FakeFileSystem::Identity(const Text& path) {
    ++identityQueries;
    CountStandIn(path);
    const auto node = Find(path, true);
    if (!node || (node->attributes & FileAttr::Directory) == 0 || failIdentity_.count(Key(path)) != 0)
        return std::nullopt;
    return node->id;
}

Text FakeFileSystem::FullPath(const Text& path) {
    CountStandIn(path);
    const auto fixed = fullPath_.find(path);
    if (fixed != fullPath_.end()) return fixed->second.value_or(Text());
    const bool absolute = (path.size() >= 2 && path[1] == ':') || path.compare(0, 2, "\\\\") == 0;
    return absolute ? path : currentFolder + "\\" + path;
}

Text FakeFileSystem::ShortPath(const Text& path) {
    CountStandIn(path);
    const auto fixed = shortPath_.find(path);
    if (fixed != shortPath_.end()) return fixed->second.value_or(Text());
    const auto parts = Components(path);
    Text walked;
    Text answer;
    for (std::size_t i = 0; i < parts.size(); ++i) {
        walked += parts[i] + "\\";
        const auto node = Find(walked);
        if (!node) return Text();
        answer += node->shortName.empty() ? node->name : node->shortName;
        if (i + 1 < parts.size() || parts.size() == 1) answer += "\\";
    }
    return answer;
}

Text FakeFileSystem::StoredName(const Text& path) {
    lookups.push_back(path);
    CountStandIn(path);
    // A path that ends in a separating backslash names no entry.
    if (!path.empty() && LastDelimiter(path, "\\") == path.size() - 1) return Text();
    Text absolute = path;
    const bool unc = path.compare(0, 2, "\\\\") == 0;
    const bool drive = path.size() >= 2 && path[1] == ':';
    if (drive && path.size() == 2) return Text();
    if (drive && path[2] != '\\') {
        if (!SameName(currentFolder.substr(0, 2), path.substr(0, 2))) return Text();
        absolute = currentFolder + "\\" + path.substr(2);
    } else if (!unc && !drive && !path.empty() && path[0] == '\\') {
        absolute = currentFolder.substr(0, 2) + path;
    } else if (!unc && !drive) {
        absolute = currentFolder + "\\" + path;
    }
    const auto parts = Components(absolute);
    if (parts.size() < (unc ? 3u : 2u)) return Text();
    std::vector<std::shared_ptr<Node>>* level = &drives_;
    for (std::size_t i = 0; i < parts.size(); ++i) {
        const bool last = i + 1 == parts.size();
        if (!last && parts[i].find_first_of("*?") != Text::npos) return Text();
        const auto it = std::find_if(level->begin(), level->end(), [&](const auto& n) {
            return WildcardMatch(parts[i], n->name) ||
                   (!n->shortName.empty() && WildcardMatch(parts[i], n->shortName));
        });
        if (it == level->end()) return Text();
        if (last) return (*it)->name;
        level = &(*it)->children;
    }
    return Text();
}

Text FakeFileSystem::CodePageForm(const Text& path) {
    std::string bytes;
    if (TextToShiftJis(path, bytes)) return path;
    Text form;
    std::size_t start = 0;
    for (;;) {
        const std::size_t end = std::min(path.find('\\', start), path.size());
        const Text component = path.substr(start, end - start);
        if (TextToShiftJis(component, bytes)) {
            form += component;
        } else {
            const auto node = Find(path.substr(0, end));
            const bool first = counted_.insert(Key(path.substr(0, end))).second;
            std::string alias;
            if (node && !node->shortName.empty() && TextToShiftJis(node->shortName, alias)) {
                form += node->shortName;
                substitutions.aliased += first ? 1 : 0;
            } else {
                form += TextFromShiftJis(bytes);
                substitutions.lossy += first ? 1 : 0;
            }
        }
        if (end == path.size()) return form;
        form += '\\';
        start = end + 1;
    }
}

bool FakeFileSystem::MatchesAny(const Text& name, const Text& patterns) {
    ++matches;
    std::size_t start = 0;
    while (start <= patterns.size()) {
        const std::size_t end = std::min(patterns.find(';', start), patterns.size());
        if (WildcardMatch(std::string_view(patterns).substr(start, end - start), name)) return true;
        start = end + 1;
    }
    return false;
}

bool FakeFileSystem::SameName(const Text& a, const Text& b) {
    return ::SameName(a, b);
}

Text FakeFileSystem::EnvironmentValue(const Text& name) {
    const auto found = environment.find(name);
    return found == environment.end() ? Text() : found->second;
}
