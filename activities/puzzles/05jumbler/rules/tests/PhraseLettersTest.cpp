#include "activities/puzzles/05jumbler/rules/PhraseLetters.h"

#include <gtest/gtest.h>

using jumbler::splitPhrase;

namespace {

struct SplitCase {
    QString phrase;
    std::vector<QStringList> words;
};

}  // namespace

TEST(PhraseLetters, WordsAndLettersAreCharactersNotBytes)
{
    const std::vector<SplitCase> cases = {
        {"a", {{"a"}}},
        {"le pain", {{"l", "e"}, {"p", "a", "i", "n"}}},
        // Two blanks in a row make an empty word, a wider gap.
        {"ab  cd", {{"a", "b"}, {}, {"c", "d"}}},
        // Punctuation and apostrophes are letters; accents count once.
        {"l'été!", {{"l", "'", "é", "t", "é", "!"}}},
        // A letter written with a combining accent, and one outside the basic plane.
        {QString::fromUtf8("e\xCC\x81t\xF0\x9F\x98\x80"), {{QString::fromUtf8("e\xCC\x81"), "t", QString::fromUtf8("\xF0\x9F\x98\x80")}}},
        {QString::fromUtf8("straße"), {{"s", "t", "r", "a", QString::fromUtf8("ß"), "e"}}},
        // A no-break blank separates words rather than making an invisible tile.
        {QString::fromUtf8("ça\u00A0va"), {{QString::fromUtf8("ç"), "a"}, {"v", "a"}}},
        {"", {{}}},
        {"   ", {{}, {}, {}, {}}},
    };
    for (const SplitCase& c : cases) {
        const jumbler::PhraseLetters split = splitPhrase(c.phrase);
        EXPECT_EQ(split.words, c.words) << c.phrase.toStdString();
        int count = 0;
        for (const QStringList& w : c.words)
            count += static_cast<int>(w.size());
        EXPECT_EQ(split.letterCount(), count) << c.phrase.toStdString();
    }
}
