// Network-provider services: the platform family, universal names, and the list of connected disks that
// the older family needs instead.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

#include "text/Text.h"

struct PlatformVersion {
    bool ntFamily = true;
    std::uint32_t major = 0;
};

// A connected disk resource. localName is empty when the resource has none (or an unusable one).
struct NetConnection {
    Text localName;
    Text remoteName;
};

enum class EnumAnswer {
    Entries,   // one or more connections were delivered
    MoreData,  // not even one connection fits the buffer offered; the provider says how much it wants
    Finished,  // no more connections, or the enumeration failed
};

// One open enumeration of connected disk resources. Destroying it closes the enumeration.
class ConnectionListing {
public:
    virtual ~ConnectionListing() = default;

    // Asks for as many connections as fit a buffer of bufferBytes. On Entries, entries holds them (replacing
    // what it held); on MoreData, neededBytes holds the buffer size the provider asks for; entries and
    // neededBytes are left alone otherwise.
    virtual EnumAnswer Next(std::uint32_t bufferBytes, std::vector<NetConnection>& entries,
                            std::uint32_t& neededBytes) = 0;
};

class Network {
public:
    virtual ~Network() = default;

    // The platform family and major version.
    virtual PlatformVersion Version() = 0;

    // The universal (UNC) form of a path on a redirected drive, asked first with a 1024-byte answer buffer,
    // then with what the provider asks for. Nothing on any failure: a local drive, no network.
    virtual std::optional<Text> UniversalName(const Text& path) = 0;

    // Opens the enumeration of connected disk resources (no usage filter, no container). Null when it cannot
    // be opened.
    virtual std::unique_ptr<ConnectionListing> OpenConnectedDisks() = 0;
};
