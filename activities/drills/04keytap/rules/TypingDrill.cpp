#include "activities/drills/04keytap/rules/TypingDrill.h"

#include <QList>

#include <cmath>

namespace keytap {

namespace {

// The current rounding mode of the C library is to nearest, halves to even.
int roundHalfEven(double value) { return static_cast<int>(std::nearbyint(value)); }

QString fromCharacters(const std::u32string& characters, std::size_t count)
{
    return QString::fromUcs4(characters.data(), static_cast<qsizetype>(count));
}

}  // namespace

TypingDrill::TypingDrill(const std::vector<TypingPhrase>& phrases, const QString& separator)
{
    for (const TypingPhrase& p : phrases) {
        QString row = p.phrase + QLatin1Char(' ') + separator + QLatin1Char(' ') + p.translation;
        const QList<uint> ucs4 = row.toUcs4();
        characters_.emplace_back(ucs4.begin(), ucs4.end());
        rows_.push_back(std::move(row));
    }
    typed_.assign(rows_.size(), 0);
    wrong_.assign(rows_.size(), 0);
}

KeyResult TypingDrill::press(const Keystroke& key)
{
    if (key.kind == Keystroke::Kind::Backspace)
        return KeyResult::Beep;
    if (key.kind == Keystroke::Kind::Enter || finished())
        return KeyResult::Nothing;

    const auto index = static_cast<std::size_t>(row_);
    const std::u32string& row = characters_[index];
    const char32_t expected = row[typed_[index]];
    const bool right = key.character == expected || Is_Special_Character(expected);
    if (!right) {
        wrong_[index] = key.character;
        return KeyResult::Wrong;
    }
    wrong_[index] = 0;
    ++typed_[index];
    ++correctChars_;
    if (typed_[index] == row.size())
        ++row_;
    return finished() ? KeyResult::Finished : KeyResult::Right;
}

int TypingDrill::tick()
{
    ++seconds_;
    wordsPerMinute_ = keytap::wordsPerMinute(correctChars_, seconds_);
    return wordsPerMinute_;
}

QString TypingDrill::greenText(int row) const
{
    const auto index = static_cast<std::size_t>(row);
    return fromCharacters(characters_[index], typed_[index]);
}

QString TypingDrill::redText(int row) const
{
    const auto index = static_cast<std::size_t>(row);
    QString text = greenText(row);
    if (wrong_[index] != 0)
        text += QString::fromUcs4(&wrong_[index], 1);
    return text;
}

int wordsPerMinute(int correctChars, int seconds)
{
    if (seconds <= 0)
        return 0;
    const int words = roundHalfEven(correctChars / 5.5);
    return roundHalfEven(words * 60.0 / seconds);
}

}  // namespace keytap
