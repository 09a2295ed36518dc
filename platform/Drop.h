// The names of one drop of files onto a window, as the platform delivers them.
#pragma once

#include <cstdint>

#include "text/Text.h"

class DroppedNames {
public:
    virtual ~DroppedNames() = default;

    // How many names the drop holds.
    virtual std::uint32_t Count() = 0;

    // Name index (0 <= index < Count()), whole, however long, as the platform gave it.
    virtual Text Name(std::uint32_t index) = 0;

    // Releases the platform's drop data; Count and Name must not be called afterwards. Releasing twice does
    // nothing.
    virtual void Release() = 0;
};
