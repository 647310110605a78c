#include "activities/arcade/09blaster/rules/PhraseLetters.h"

namespace blaster {

PhraseLetters::PhraseLetters(QString upperPhrase) : phrase_(std::move(upperPhrase))
{
    for (int i = 0; i < phrase_.size();) {
        const int width = phrase_[i].isHighSurrogate() && i + 1 < phrase_.size() && phrase_[i + 1].isLowSurrogate() ? 2 : 1;
        if (phrase_[i] != QLatin1Char(' ')) {
            letters_.push_back(phrase_.mid(i, width));
            ends_.push_back(i + width);
        }
        i += width;
    }
}

QString PhraseLetters::shownAfter(int shot) const
{
    if (shot <= 0)
        return {};
    int end = ends_[std::size_t(std::min(shot, count()) - 1)];
    while (end < phrase_.size() && phrase_[end] == QLatin1Char(' '))
        ++end;
    return phrase_.left(end);
}

}  // namespace blaster
