#include "collect/ExtFilter.h"

#include <algorithm>

#include "text/AsciiUpper.h"
#include "text/PathPieces.h"

Text FilterSlot(const Text& cell) {
    if (cell == "/") return Text();
    if (cell.empty()) return "/";
    return "." + AsciiUpper(cell);
}

std::array<Text, 5> FilterSlots(const std::array<Text, 5>& cells) {
    std::array<Text, 5> slots;
    std::transform(cells.begin(), cells.end(), slots.begin(), FilterSlot);
    return slots;
}

bool PassesFilter(const Text& path, const std::array<Text, 5>& slots) {
    const Text extension = AsciiUpper(PathExtension(path));
    return std::find(slots.begin(), slots.end(), extension) != slots.end();
}
