// Names as the file system stores them (UTF-16) spelt in code page 932 bytes, for the output that asks for
// that form: exactly where the code page holds them, else by their short (8.3) alias, else in the lossy form
// with the code page's default character. A best-fit look-alike is never given: it would name another entry,
// or none. The bytes are no Text until TextFromShiftJis has made them one.
#pragma once

#include <cstdint>
#include <functional>
#include <set>
#include <string>
#include <string_view>

#include "platform/Encoding.h"
#include "text/Text.h"

// Names the code page could not hold, and what was given for them.
struct NameSubstitutions {
    std::uint32_t aliased = 0;  // given by their short alias: a path that opens the same entry
    std::uint32_t lossy = 0;    // given in the lossy form: no alias, or none the code page holds

    bool Any() const { return aliased != 0 || lossy != 0; }
    NameSubstitutions& operator+=(const NameSubstitutions& other) {
        aliased += other.aliased;
        lossy += other.lossy;
        return *this;
    }
};

// The platform's conversion of UTF-16 into code page 932.
class CodePage {
public:
    virtual ~CodePage() = default;

    // Replaces out with the bytes of s; a character the code page cannot hold becomes the default character,
    // never a look-alike. True when every character converted exactly.
    virtual bool ToAnsi(WideView s, std::string& out) = 0;
};

enum class NameChoice { Exact, Alias, Lossy };

// Puts into out the form of a stored name to give: the name itself when it converts exactly, else its alias
// when that is not empty and converts exactly, else the name's lossy form.
NameChoice ChooseName(CodePage& codePage, WideView name, WideView alias, std::string& out);

// Adds a substituted name to tally.
void Count(NameChoice choice, NameSubstitutions& tally);

// The short alias of the entry that a path names, its last component only; empty when there is none.
using AliasOf = std::function<WideText(WideView path)>;

// The paths, up to and including their last component, of the names already counted.
using CountedNames = std::set<WideText>;

// A path, component by component: each component between backslashes or slashes is given as ChooseName gives
// it, its alias asked of aliasOf with the path up to and including that component; the separators stay as
// they are. A path that converts exactly as a whole is converted once and asks for no alias. Each
// substituted component is counted in tally, once for the names in counted, where it is then added.
std::string AnsiPath(CodePage& codePage, WideView path, const AliasOf& aliasOf, NameSubstitutions& tally,
                     CountedNames& counted);

// What the user is told after a drop or a command line whose output gave substituted names; empty when there
// were none.
Text SubstitutionNotice(const NameSubstitutions& met);
