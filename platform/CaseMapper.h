// Letter case of code page 932 text, as the user's locale maps it.
#pragma once

#include "text/Text.h"

class CaseMapper {
public:
    virtual ~CaseMapper() = default;

    // Map s in place, character by character: a single byte only ever becomes a single byte and a
    // double-byte character a double-byte character, so the byte length never changes, and the second byte
    // of a double-byte character is never mapped on its own. ASCII letters change case; half-width katakana
    // do not. A character without a partner in the code page, a malformed pair and a lead byte at the end
    // stay as they are.
    virtual void ToUpper(Text& s) = 0;
    virtual void ToLower(Text& s) = 0;
};
