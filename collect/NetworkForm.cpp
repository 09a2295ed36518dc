#include "collect/NetworkForm.h"

#include <vector>

namespace {

unsigned char UpperAscii(char c) {
    const auto b = static_cast<unsigned char>(c);
    return b >= 'a' && b <= 'z' ? static_cast<unsigned char>(b - ('a' - 'A')) : b;
}

Text ResolveByConnections(const Text& expanded, Network& network) {
    if (expanded[2] != '\\') return expanded;
    const auto connections = network.OpenConnectedDisks();
    if (!connections) return expanded;
    const unsigned char drive = UpperAscii(expanded[0]);
    std::uint32_t bufferBytes = kFirstConnectionBuffer;
    std::vector<NetConnection> entries;
    for (;;) {
        std::uint32_t needed = 0;
        const EnumAnswer answer = connections->Next(bufferBytes, entries, needed);
        if (answer == EnumAnswer::MoreData) {
            // A provider that asks for no more than it was offered would have the loop spin forever.
            if (needed <= bufferBytes) return expanded;
            bufferBytes = needed;
            continue;
        }
        if (answer != EnumAnswer::Entries) return expanded;
        for (const NetConnection& c : entries) {
            if (!c.localName.empty() && UpperAscii(c.localName[0]) == drive) {
                return c.remoteName + expanded.substr(2);
            }
        }
    }
}

}  // namespace

Text NetworkForm(const Text& path, FileSystem& files, Network& network) {
    const Text expanded = files.FullPath(path);
    const unsigned char drive = expanded.size() > 2 ? UpperAscii(expanded[0]) : 0;
    if (expanded.size() <= 2 || expanded[1] != ':' || drive < 'A' || drive > 'Z') return expanded;
    if (AsksUniversalName(network.Version())) return network.UniversalName(expanded).value_or(expanded);
    return ResolveByConnections(expanded, network);
}
