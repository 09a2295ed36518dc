// An in-memory file system: drives, folders and files with attributes, stored names and 8.3 names, links to
// folders, and failures and vanishing entries on demand. Paths are matched like Windows paths: ASCII case
// ignored, empty components (doubled backslashes) skipped.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <utility>
#include <vector>

#include "platform/FileSystem.h"
#include "platform/NameLookup.h"

class FakeFileSystem : public FileSystem, public NameLookup {
public:
    // Adds a folder or file, creating missing folders on the way. The last component is stored as spelled.
    void AddFolder(const Text& path, std::uint32_t attributes = FileAttr::Directory);
    void AddFile(const Text& path, std::uint32_t attributes = FileAttr::Archive);
    // A folder link (junction or symbolic link) to the absolute path target: listed with the attributes of
    // one, it lists and identifies as the folder it leads to.
    void AddLink(const Text& path, const Text& target);
    void SetShortName(const Text& path, const Text& shortName);
    void SetAttributes(const Text& path, std::uint32_t attributes);
    // Every entry has an identity of its own, on volume 1, until one is set.
    void SetIdentity(const Text& path, FolderId id);
    // The size and last write that listings and Facts report; both zero until set.
    void SetFacts(const Text& path, std::uint64_t size, LocalTime written);
    void Remove(const Text& path);

    // Failures: attributes (and facts) that cannot be read, a folder that cannot be listed (with code, or
    // that stops with code after that many entries, dots included), and fixed answers (nothing meaning
    // failure) for the full and short forms.
    void FailAttributes(const Text& path) { failAttributes_.insert(Key(path)); }
    void FailListing(const Text& folder, std::uint32_t code = 5) { failListing_[Key(folder)] = {code, 0}; }
    void FailListingAfter(const Text& folder, std::size_t entries, std::uint32_t code) {
        failListing_[Key(folder)] = {code, entries};
    }
    void FailIdentity(const Text& path) { failIdentity_.insert(Key(path)); }
    void SetFullPathAnswer(const Text& path, std::optional<Text> answer) {
        fullPath_[path] = std::move(answer);
    }
    void SetShortPathAnswer(const Text& path, std::optional<Text> answer) {
        shortPath_[path] = std::move(answer);
    }

    // Runs action right after a listing has reported the entry at path (folder + "\" + name).
    void OnListed(const Text& path, std::function<void()> action) {
        onListed_[Key(path)] = std::move(action);
    }

    // Prefix for relative paths in FullPath.
    Text currentFolder = "C:\\work";
    // Off: a volume that keeps no short (8.3) names, as exFAT, ReFS and many shares: SetShortName is ignored,
    // ShortPath gives the stored names and CodePageForm finds no alias.
    bool keepsShortNames = true;
    // Queries of any kind whose path held a "?", the file system's wildcard: a stand-in for a character would
    // name another entry, or none.
    int standInQueries = 0;

    int attributeQueries = 0;
    int factsQueries = 0;
    int identityQueries = 0;
    int listingsOpened = 0;
    int listingsOpen = 0;
    std::vector<Text> listedPatterns;

    std::uint32_t Attributes(const Text& path) override;
    std::optional<EntryFacts> Facts(const Text& path) override;
    OpenedListing List(const Text& pattern, std::uint32_t mask, bool withTimes) override;
    Text FullPath(const Text& path) override;
    Text ShortPath(const Text& path) override;
    std::optional<FolderId> Identity(const Text& path) override;

    // Each component code page 932 cannot hold by its short name where that is set and the code page holds
    // it, else in the lossy form; counted in substitutions once until TakeSubstitutions.
    Text CodePageForm(const Text& path) override;
    // What TakeSubstitutions answers next.
    NameSubstitutions substitutions;
    NameSubstitutions TakeSubstitutions() override {
        counted_.clear();
        return std::exchange(substitutions, {});
    }

    // The lookup matches each component by its stored or its short name; a relative path starts from
    // currentFolder. Wildcards (* and ?) match in the last component only. A drive, server or share root is
    // no entry.
    std::vector<Text> lookups;
    Text StoredName(const Text& path) override;

    // Each ";"-separated pattern as the lookup matches a last component; names compare with ASCII case
    // ignored; the environment is what the test sets.
    bool MatchesAny(const Text& name, const Text& patterns) override;
    bool SameName(const Text& a, const Text& b) override;
    std::map<Text, Text> environment;
    Text EnvironmentValue(const Text& name) override;
    int matches = 0;

private:
    struct Node {
        Text name;
        std::uint32_t attributes = 0;
        std::uint64_t size = 0;
        LocalTime written;
        Text shortName;
        Text link;                                    // where a link leads; empty for anything else
        FolderId id;                                  // its identity
        std::vector<std::shared_ptr<Node>> children;  // shared: a listing keeps its folder alive
    };
    class Listing;

    static std::vector<Text> Components(const Text& path);
    void CountStandIn(const Text& path);
    static EntryFacts FactsOf(const Node& node);
    static Text Key(const Text& path);
    // Links on the way are followed, the last component's only when followLast is set; a chain of links
    // longer than the file system allows finds nothing.
    std::shared_ptr<Node> Find(const Text& path, bool followLast = false, int hops = 0);
    Node* Make(const Text& path, std::uint32_t attributes);

    std::vector<std::shared_ptr<Node>> drives_;
    std::set<Text> failAttributes_;
    struct ListingFailure {
        std::uint32_t code;
        std::size_t after;  // entries reported first; 0: the listing does not open
    };
    std::map<Text, ListingFailure> failListing_;
    std::set<Text> failIdentity_;
    std::uint64_t nodesMade_ = 0;
    std::map<Text, std::optional<Text>> fullPath_;
    std::map<Text, std::optional<Text>> shortPath_;
    std::map<Text, std::function<void()>> onListed_;
    std::set<Text> counted_;  // the keys of the names CodePageForm counted
};
