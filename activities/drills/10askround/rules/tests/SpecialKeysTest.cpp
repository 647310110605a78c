#include "activities/drills/10askround/rules/SpecialKeys.h"

#include <gtest/gtest.h>

using namespace askround;

TEST(SpecialKeys, EveryEditionHasItsCharacters)
{
    struct Case {
        const char* code;
        const char* characters;
    };
    for (const Case& c : {Case{"dvlspa", "ÁÉÍÓÚÑ¿¡Ü"}, Case{"dvleng", ".?!'-"},
                          Case{"dvlfre", "ÀÁÂÄÈÉÊËÌÍÎÏÒÓÔÖÙÚÛÜÇ"}, Case{"dvlfra", "ÀÁÂÄÈÉÊËÌÍÎÏÒÓÔÖÙÚÛÜÇ"},
                          Case{"dvlger", "ÄÅÆÐËÖØßÞÜ"}, Case{"dvlale", "ÄÅÆÐËÖØßÞÜ"}, Case{"dvlita", "ÀÈÌÒÙ"},
                          Case{"dvlito", "ÀÈÌÒÙ"}, Case{"dvlxyz", ""}, Case{"", ""}})
        EXPECT_EQ(specialCharacters(c.code).join(""), QString::fromUtf8(c.characters)) << c.code;
}

TEST(SpecialKeys, CapsLockSetsTheLetterCaseOfEveryButton)
{
    const QStringList spanish = specialCharacters("dvlspa");
    EXPECT_EQ(casedCharacters(spanish, false).join(""), QString::fromUtf8("áéíóúñ¿¡ü"));
    EXPECT_EQ(casedCharacters(casedCharacters(spanish, false), true), spanish);
    // ß has no one-character capital, so it stays one character either way.
    EXPECT_EQ(casedCharacters(specialCharacters("dvlger"), true).join(""), QString::fromUtf8("ÄÅÆÐËÖØßÞÜ"));
    EXPECT_EQ(casedCharacters(specialCharacters("dvlger"), false).join(""), QString::fromUtf8("äåæðëöøßþü"));
}
