#include "collect/PassedOver.h"

#include <string>
#include <utility>

void PassedOver::Add(const Text& name) {
    if (names_.size() < kNoticeNames) names_.push_back(name);
    ++count_;
}

Text PassedOver::TakeParagraph(const Text& unit, const Text& what) {
    if (count_ == 0) return Text();
    Text paragraph = "次の " + std::to_string(count_) + " " + unit + "は" + what;
    for (const Text& name : names_)
        paragraph += "\r\n" + name;
    if (count_ > names_.size())
        paragraph += "\r\nほか " + std::to_string(count_ - names_.size()) + " " + unit;
    *this = PassedOver();
    return paragraph;
}

Text JoinParagraphs(const std::vector<Text>& paragraphs) {
    Text joined;
    for (const Text& paragraph : paragraphs) {
        if (paragraph.empty()) continue;
        if (!joined.empty()) joined += "\r\n\r\n";
        joined += paragraph;
    }
    return joined;
}
