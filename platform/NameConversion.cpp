#include "platform/NameConversion.h"

#include <string>

namespace {

bool IsSeparator(char16_t c) {
    return c == u'\\' || c == u'/';
}

}  // namespace

NameChoice ChooseName(CodePage& codePage, WideView name, WideView alias, std::string& out) {
    if (codePage.ToAnsi(name, out)) return NameChoice::Exact;
    std::string aliasForm;
    if (!alias.empty() && codePage.ToAnsi(alias, aliasForm)) {
        out = std::move(aliasForm);
        return NameChoice::Alias;
    }
    // out still holds the name's lossy form.
    return NameChoice::Lossy;
}

void Count(NameChoice choice, NameSubstitutions& tally) {
    if (choice == NameChoice::Alias) ++tally.aliased;
    if (choice == NameChoice::Lossy) ++tally.lossy;
}

std::string AnsiPath(CodePage& codePage, WideView path, const AliasOf& aliasOf, NameSubstitutions& tally,
                     CountedNames& counted) {
    std::string result;
    if (codePage.ToAnsi(path, result)) return result;
    result.clear();
    std::string piece;
    std::size_t start = 0;
    for (;;) {
        std::size_t end = start;
        while (end < path.size() && !IsSeparator(path[end]))
            ++end;
        const WideView component = path.substr(start, end - start);
        if (codePage.ToAnsi(component, piece)) {
            result += piece;
        } else {
            const WideView named = path.substr(0, end);
            const WideText alias = aliasOf(named);
            const NameChoice choice = ChooseName(codePage, component, alias, piece);
            if (counted.emplace(named).second) Count(choice, tally);
            result += piece;
        }
        if (end == path.size()) break;
        result += static_cast<char>(path[end]);
        start = end + 1;
    }
    return result;
}

Text SubstitutionNotice(const NameSubstitutions& met) {
    if (!met.Any()) return Text();
    Text notice = "この文字コードで表せない名前がありました。";
    if (met.aliased != 0)
        notice += "\n短い名前 (8.3 形式) で出力した名前: " + std::to_string(met.aliased) + " 件";
    if (met.lossy != 0)
        notice += "\n表せない文字を ? で出力した名前: " + std::to_string(met.lossy) +
                  " 件 (その行はファイルを指していません)";
    return notice;
}
