// A case mapping of ASCII letters and of the full-width letters ａ..ｚ / Ａ..Ｚ, character by character, that
// counts the texts it was given.
#pragma once

#include "platform/CaseMapper.h"

class FakeCaseMapper : public CaseMapper {
public:
    int calls = 0;

    void ToUpper(Text& s) override;
    void ToLower(Text& s) override;

private:
    void Map(Text& s, bool upper);
};
