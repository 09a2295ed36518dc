// Entries a drop passed over for one reason, for its closing notice: the first few names and how many in all.
#pragma once

#include <cstddef>
#include <vector>

#include "text/Text.h"

class PassedOver {
public:
    // The notice names this many, then counts the rest.
    static constexpr std::size_t kNoticeNames = 10;

    void Add(const Text& name);
    bool Empty() const { return count_ == 0; }

    // "次の <count> <unit>は<what>", then the names one a line, then how many more there were; empty when
    // nothing was passed over. The list is empty afterwards.
    Text TakeParagraph(const Text& unit, const Text& what);

private:
    std::vector<Text> names_;
    std::size_t count_ = 0;
};

// Paragraphs of one notice, a blank line between two; empty ones left out.
Text JoinParagraphs(const std::vector<Text>& paragraphs);
