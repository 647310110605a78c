#include "main/core/startup/Edition.h"

#include <gtest/gtest.h>

using startup::Edition;
using startup::findEdition;

TEST(EditionTable, EveryCodeSelectsItsRow)
{
    const std::vector<Edition> expected{
        {"dvlspa", "Dravolin Spanish", "English", "Spanish", "spa", 1},
        {"dvlfre", "Dravolin French", "English", "French", "fre", 2},
        {"dvlger", "Dravolin German", "English", "German", "ger", 3},
        {"dvlita", "Dravolin Italian", "English", "Italian", "ita", 4},
        {"dvleng", "Dravolin Inglés", "Spanish", "English", "eng", 5},
        {"dvlfra", "Dravolin Francés", "Spanish", "French", "fra", 6},
        {"dvlale", "Dravolin Alemán", "Spanish", "German", "ale", 7},
        {"dvlito", "Dravolin Italiano", "Spanish", "Italian", "ito", 8},
    };
    ASSERT_EQ(startup::editionTable().size(), expected.size());
    for (const Edition& want : expected) {
        const auto got = findEdition(want.programCode);
        ASSERT_TRUE(got) << want.programCode.toStdString();
        EXPECT_EQ(got->productTitle, want.productTitle);
        EXPECT_EQ(got->interfaceLanguage, want.interfaceLanguage);
        EXPECT_EQ(got->targetLanguage, want.targetLanguage);
        EXPECT_EQ(got->languageCode, want.languageCode);
        EXPECT_EQ(got->logoIndex, want.logoIndex);
    }
}

TEST(EditionTable, UnknownOrMiscasedCodeFindsNoRow)
{
    for (const char* code : {"dvlxyz", "DVLFRE", "dvlfre ", ""})
        EXPECT_FALSE(findEdition(code)) << code;
}
