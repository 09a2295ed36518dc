// A network provider: the platform family, drives mapped to network resources, and the connection list of the
// older family, whose entries each take a set number of buffer bytes so that the caller must grow its buffer.
#pragma once

#include <cstdint>
#include <map>
#include <vector>

#include "platform/Network.h"

class FakeNetwork : public Network {
public:
    struct Connection {
        Text localName;
        Text remoteName;
        std::uint32_t bytes = 100;  // buffer bytes this entry takes
        std::uint32_t asks = 0;     // what the provider asks for when it does not fit; 0 asks for bytes
    };

    PlatformVersion version{true, 6};
    std::map<char, Text> mappedDrives;    // drive letter (upper case) to remote name, for UniversalName
    std::vector<Connection> connections;  // what OpenConnectedDisks enumerates
    bool failOpen = false;

    int universalNameCalls = 0;
    int enumerationsOpened = 0;
    int enumerationsOpen = 0;
    std::vector<std::uint32_t> buffersOffered;

    PlatformVersion Version() override { return version; }
    std::optional<Text> UniversalName(const Text& path) override;
    std::unique_ptr<ConnectionListing> OpenConnectedDisks() override;
};
