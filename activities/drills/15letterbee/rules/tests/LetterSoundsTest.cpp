// Which recording says each letter, in each language.
#include "activities/drills/15letterbee/rules/LetterSounds.h"

#include <gtest/gtest.h>

using namespace letterbee;

TEST(LetterSounds, SpecialCharactersAreSaidUnderTheirLanguagesNames)
{
    struct Case {
        const char* language;
        QString letter;
        QString name;
    };
    const std::vector<Case> cases = {
        {"Spanish", "¿", "Interrogacion"}, {"Spanish", "?", "Interrogacion"}, {"Spanish", "¡", "exclamacion"},
        {"Spanish", "!", "exclamacion"}, {"Spanish", "Ñ", "NN"}, {"Spanish", "Á", "A"}, {"Spanish", "Ü", "U"},
        {"French", "Œ", "OE"}, {"French", "Ç", "C_"}, {"French", "€", "E"}, {"French", "Ä", "A"},
        {"French", "Û", "U"}, {"French", "?", "?"}, {"French", "Ñ", "Ñ"},
        {"German", "ß", "B2"}, {"German", "Ä", "A2"}, {"German", "Ö", "O2"}, {"German", "Ü", "U2"},
        {"German", "Å", "A"}, {"German", "Ð", "D"}, {"German", "Ø", "O"}, {"German", "Þ", "Þ"},
        {"Italian", "È", "E"}, {"Italian", "Ù", "U"},
        {"English", "É", "É"}, {"English", "?", "?"},
        // Plain letters and marks keep their own name everywhere.
        {"Spanish", "B", "B"}, {"French", "-", "-"}, {"German", "'", "'"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(letterSoundName(c.letter, c.language), c.name) << c.language << " " << c.letter.toStdString();
}

TEST(LetterSounds, NamesMakePlainFileNames)
{
    EXPECT_EQ(letterResourceName("A"), "A");
    EXPECT_EQ(letterResourceName("C_"), "C_");
    EXPECT_EQ(letterResourceName("'"), "U+0027");
    EXPECT_EQ(letterResourceName(";"), "U+003B");
    EXPECT_EQ(letterResourceName("Þ"), "U+00DE");
    EXPECT_EQ(letterSoundType("French"), "FRENCH");
}
