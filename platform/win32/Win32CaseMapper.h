// Letter case by the system's CharUpperBuffA and CharLowerBuffA in the user's locale, asked once per
// character of the code page and then applied from tables.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "platform/CaseMapper.h"

class Win32CaseMapper : public CaseMapper {
public:
    void ToUpper(Text& s) override;
    void ToLower(Text& s) override;

private:
    // Every character's mapped form: single bytes by value, double-byte characters by lead and second byte.
    struct Table {
        std::array<unsigned char, 256> single{};
        std::vector<std::uint16_t> pairs;  // empty until first used
    };

    static void Build(Table& table, bool upper);
    static void Apply(Table& table, bool upper, Text& s);

    Table upper_;
    Table lower_;
};
