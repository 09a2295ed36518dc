// The network (universal) form of a path.
#pragma once

#include <cstdint>

#include "platform/FileSystem.h"
#include "platform/Network.h"
#include "text/Text.h"

// The older family enumerates connections into a buffer of this size first, and grows it when asked to.
constexpr std::uint32_t kFirstConnectionBuffer = 1600;

// The NT family, and any platform from major version 5 on, can ask for a universal name directly.
constexpr bool AsksUniversalName(PlatformVersion version) {
    return version.ntFamily || version.major >= 5;
}

// The path expanded to an absolute path and, on a drive letter that is redirected to a network resource, that
// resource's remote name followed by the rest of the path. Paths already in universal form, on local drives,
// or whose resolution fails come back expanded only; a failed expansion gives the empty text.
Text NetworkForm(const Text& path, FileSystem& files, Network& network);
