// Random files for the line-rule tests: stops (CR, LF, 0x1A and their look-alikes) scattered among ordinary
// bytes. Round by round the files go dense, sparse and very sparse: dense ones test every position of a stop
// in a word, sparse ones the long runs without any. Every other file holds no 0x1A, so that it is read to its
// physical end.
#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <random>
#include <utility>

#include "text/Text.h"

class RandomStops {
public:
    // Files of fewer than maxSize bytes; percents: the chance in a hundred of a byte from specials in the
    // dense, sparse and very sparse rounds.
    RandomStops(std::uint32_t seed, Text specials, Text ordinary, std::size_t maxSize,
                std::array<unsigned, 3> percents)
        : random(seed),
          specials_(std::move(specials)),
          ordinary_(std::move(ordinary)),
          maxSize_(maxSize),
          percents_(percents) {}

    Text File(int round) {
        const unsigned percentSpecial = percents_[static_cast<std::size_t>(round % 3)];
        Text bytes(random() % maxSize_, ' ');
        for (char& c : bytes) {
            const Text& from = random() % 100 < percentSpecial ? specials_ : ordinary_;
            c = from[random() % from.size()];
        }
        if (round % 2 == 0) std::replace(bytes.begin(), bytes.end(), '\x1A', 'z');
        return bytes;
    }

    // The tests draw their other choices from the same engine, after each file.
    std::mt19937 random;

private:
    Text specials_;
    Text ordinary_;
    std::size_t maxSize_;
    std::array<unsigned, 3> percents_;
};
