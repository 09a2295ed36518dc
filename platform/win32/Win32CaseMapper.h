// Letter case by the system's CharUpperBuffW and CharLowerBuffW in the user's locale, asked once for every
// character code page 932 holds and then applied from tables.
#pragma once

#include <vector>

#include "platform/CaseMapper.h"

class Win32CaseMapper : public CaseMapper {
public:
    void ToUpper(Text& s) override;
    void ToLower(Text& s) override;

private:
    // The mapped form of each character of the Basic Multilingual Plane, 0 where it stays: every character
    // the code page holds lies there.
    using Table = std::vector<char16_t>;

    void Build();
    static void Apply(const Table& table, Text& s);

    Table upper_;
    Table lower_;
};
