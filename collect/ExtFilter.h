// The extension filter: five slots built from the filter cells, compared byte for byte with the ASCII
// upper-cased extension of each entry (its dot included).
#pragma once

#include <array>

#include "text/Text.h"

// "/" becomes the empty slot (entries without an extension); an empty cell becomes "/" (which no extension
// equals); any other text t becomes "." followed by t upper-cased in ASCII.
Text FilterSlot(const Text& cell);

std::array<Text, 5> FilterSlots(const std::array<Text, 5>& cells);

bool PassesFilter(const Text& path, const std::array<Text, 5>& slots);
