// The network-provider services on the Win32 API (GetVersion, WNetGetUniversalNameW, WNetOpenEnumA,
// WNetEnumResourceA, WNetCloseEnum).
#pragma once

#include "platform/Network.h"

class Win32Network : public Network {
public:
    Win32Network();

    PlatformVersion Version() override { return version_; }
    std::optional<Text> UniversalName(const Text& path) override;
    std::unique_ptr<ConnectionListing> OpenConnectedDisks() override;

private:
    PlatformVersion version_;
};
