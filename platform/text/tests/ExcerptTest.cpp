#include "platform/text/Excerpt.h"

#include <gtest/gtest.h>

TEST(Excerpt, ShortValuesStayWholeLongOnesAreCutWithoutSplittingACharacter)
{
    const QString clef = QString::fromUtf8("\xF0\x9D\x84\x9E");  // one character, two UTF-16 units
    struct Case {
        QString value;
        qsizetype max;
        QString expected;
    };
    const Case cases[] = {
        {"", 5, ""},
        {"abcde", 5, "abcde"},
        {"abcdef", 5, "abcde..."},
        {"ab" + clef + "cd", 3, "ab..."},
        {"ab" + clef + "cd", 4, "ab" + clef + "..."},
    };
    for (const Case& c : cases) EXPECT_EQ(platform::text::excerpt(c.value, c.max), c.expected) << c.value.toStdString();

    const QString huge(10'000'000, QChar('7'));
    EXPECT_EQ(platform::text::excerpt(huge).size(), platform::text::kExcerptChars + 3);
}
