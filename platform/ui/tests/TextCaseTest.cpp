#include "platform/ui/TextCase.h"

#include <gtest/gtest.h>

using namespace platform::ui;

TEST(TextCase, ChangesOneCharacterAtATime)
{
    struct Case {
        const char* text;
        const char* upper;
        const char* lower;
    };
    const Case cases[] = {
        {"straße", "STRAßE", "straße"},
        {"Crème brûlée", "CRÈME BRÛLÉE", "crème brûlée"},
        {"¿Dónde está? ¡Sí!", "¿DÓNDE ESTÁ? ¡SÍ!", "¿dónde está? ¡sí!"},
        {"ﬁn", "ﬁN", "ﬁn"},
        {"Œuvre ÇA", "ŒUVRE ÇA", "œuvre ça"},
        {"𐐨 x", "𐐀 X", "𐐨 x"},  // outside the basic plane
        {"", "", ""},
    };
    for (const Case& c : cases) {
        const QString text = QString::fromUtf8(c.text);
        EXPECT_EQ(ucase(text), QString::fromUtf8(c.upper)) << c.text;
        EXPECT_EQ(lcase(text), QString::fromUtf8(c.lower)) << c.text;
        EXPECT_EQ(ucase(text).size(), text.size()) << c.text;
    }
}

TEST(TextCase, ProperCaseStartsEveryWordUpperCase)
{
    struct Case {
        const char* text;
        const char* proper;
    };
    const Case cases[] = {
        {" food and DRINK", " Food And Drink"},
        {" a b", " A B"},
        {"ÉCOLE élève", "École Élève"},
        {"straße\tSTRASSE", "Straße\tStrasse"},
        {"jean-luc l'ami", "Jean-luc L'ami"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(properCase(QString::fromUtf8(c.text)), QString::fromUtf8(c.proper)) << c.text;
}
