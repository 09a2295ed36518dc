// Sort keys for natural order: runs of digits (ASCII and full-width) compare as numbers, so
// file2 comes before file10 and ２ before １０; where the numbers are equal (file02, file2) the locale's
// order decides. The keys compare as plain unsigned bytes, like the locale's own, so a list makes each key
// once.
#pragma once

#include "platform/Collation.h"
#include "text/Text.h"

class NaturalKey {
public:
    explicit NaturalKey(Collation& locale) : locale_(locale) {}
    NaturalKey(const NaturalKey&) = delete;
    NaturalKey& operator=(const NaturalKey&) = delete;

    // Replaces key with s's natural key. Its last bytes are the locale's key of s, as SortKey makes it, so
    // that equal numbers leave the order to the locale.
    //
    // The text before each digit run is keyed with a digit in the run's place, so that where one text has a
    // number and the other does not, they compare as the locale compares a digit there: texts without digits
    // keep the locale's order, and file.txt stays before file1.txt when the locale puts "." before digits.
    void Make(const Text& s, Text& key);

private:
    // Appends the locale's key of piece_, made so that no appended key is a prefix of another.
    void AppendPieceKey(Text& key);

    Collation& locale_;
    Text piece_;     // scratch: the text between two digit runs
    Text pieceKey_;  // scratch: its locale key
};
