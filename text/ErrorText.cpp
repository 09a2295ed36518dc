#include "text/ShiftJisBytes.h"
#include "text/ErrorText.h"

Text WithFullStop(const Text& message) {
    if (message.empty()) return message;
    // Walk by characters so that the trail byte of a double-byte character is never taken for the last one.
    std::size_t last = 0;
    for (std::size_t i = 0; i < message.size(); ++i) {
        last = i;
        if (IsKanjiLead(static_cast<unsigned char>(message[i])) && i + 1 < message.size()) ++i;
    }
    return static_cast<unsigned char>(message[last]) > '.' ? message + "." : message;
}
