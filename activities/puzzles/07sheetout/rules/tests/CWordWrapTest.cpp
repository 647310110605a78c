#include "activities/puzzles/07sheetout/rules/CWordWrap.h"

#include "platform/print/RecordingPrintSurface.h"

#include <gtest/gtest.h>

#include <functional>

using platform::print::RecordingPrintSurface;
using Placed = RecordingPrintSurface::Placed;
using sheetout::CWordWrap;

namespace {

// Every character 100 twips wide, lines 240 twips, pages 3000 x 4000 twips: with
// the default margins a line holds 15 characters (x 720 to 2280) and a page five
// lines (y 1440 to 2400).
struct Printed {
    RecordingPrintSurface surface;
    sheetout::PrintOutcome outcome;

    explicit Printed(const QString& text, double pageWidth = 3000,
                     const std::function<void(CWordWrap&)>& setUp = {})
        : surface(100, 240, pageWidth, 4000)
    {
        CWordWrap wrap(surface, "04/03/2024");
        wrap.setHeaderText("Head");
        if (setUp)
            setUp(wrap);
        outcome = wrap.PrintText(text);
    }

    // The texts of the body (below the header, above the footer), in order.
    QList<Placed> body() const
    {
        QList<Placed> texts;
        for (const Placed& item : surface.visible()) {
            if (item.y >= 1440 && item.y < 3280)
                texts.append(item);
        }
        return texts;
    }
};

}  // namespace

TEST(CWordWrap, EmptyTextPrintsOnePageWithHeaderDateAndPageNumber)
{
    const Printed printed("");
    EXPECT_TRUE(printed.outcome.printed);
    EXPECT_EQ(printed.surface.jobsDelivered(), 1);
    const QList<Placed> expected{
        {1, (3000 - 400) / 2.0, (1440 - 240) / 2.0, "Head"},
        {1, 720, 4000 - 720, "04/03/2024"},
        {1, 3000 - (600 + 720), 4000 - 720, "Page 1"},
    };
    EXPECT_EQ(printed.surface.visible(), expected);
}

TEST(CWordWrap, TabStopsStandEveryTenZeroWidthsFromTheFixedOrigin)
{
    struct Case {
        const char* text;
        double marginLeft;
        double expectedX;  // of "b"
    };
    const Case cases[] = {
        {"a\tb", 720, 1720},           // one letter, then the first stop
        {"aaaaaaaaaa\tb", 720, 2720},  // exactly on a stop: the next one
        {"\tb", 1680, 2720},           // 9.6 widths from 720 round to 10: stop 20
        {"\tb", 0, 1720},              // before the origin: the first stop
        {"a\t\tb", 720, 2720},
    };
    for (const Case& c : cases) {
        const Printed printed(c.text, 6000, [&](CWordWrap& wrap) { wrap.setMarginLeft(c.marginLeft); });
        const QList<Placed> body = printed.body();
        ASSERT_FALSE(body.isEmpty()) << c.text;
        EXPECT_EQ(body.last().text, "b") << c.text;
        EXPECT_DOUBLE_EQ(body.last().x, c.expectedX) << c.text;
    }
}

TEST(CWordWrap, WordsWrapAtTheRightMarginAndLineFeedsBreakLines)
{
    struct Case {
        const char* text;
        QList<Placed> expected;
    };
    const Case cases[] = {
        // "four" would end at 2520, past 2280: it starts the next line.
        {"one two three four",
         {{1, 720, 1440, "one"}, {1, 1120, 1440, "two"}, {1, 1520, 1440, "three"}, {1, 720, 1680, "four"}}},
        // Every blank is printed; a carriage return is skipped, so CR LF is one break.
        {"a   b\r\nc", {{1, 720, 1440, "a"}, {1, 1120, 1440, "b"}, {1, 720, 1680, "c"}}},
        {"a\n\nb", {{1, 720, 1440, "a"}, {1, 720, 1920, "b"}}},
        // Blanks at the line end are printed past the margin, not wrapped.
        {"abcdefghijklmn     x", {{1, 720, 1440, "abcdefghijklmn"}, {1, 720, 1680, "x"}}},
    };
    for (const Case& c : cases) {
        const Printed printed(c.text);
        EXPECT_EQ(printed.body(), c.expected) << c.text;
    }
}

TEST(CWordWrap, LongTextContinuesOnANewPageWithItsOwnFrame)
{
    const Printed printed("1\n2\n3\n4\n5\n6\n7");
    EXPECT_EQ(printed.surface.textsOnPage(1), (QStringList{"Head", "04/03/2024", "Page 1", "1", "2", "3", "4", "5"}));
    EXPECT_EQ(printed.surface.textsOnPage(2), (QStringList{"Head", "04/03/2024", "Page 2", "6", "7"}));
    const QList<Placed> body = printed.body();
    EXPECT_EQ(body[4], (Placed{1, 720, 2400, "5"}));  // the fifth line is the page's last
    EXPECT_EQ(body[5], (Placed{2, 720, 1440, "6"}));
    EXPECT_EQ(printed.surface.jobsStarted(), 1);
}

TEST(CWordWrap, AWordWiderThanTheLinePrintsWholeOnALineOfItsOwnAndBreaksOnlyAtThePageEdge)
{
    struct Case {
        const char* what;
        QString text;
        QList<Placed> expected;
    };
    const Case cases[] = {
        // Twenty characters: past the right margin (2280), within the page (3000).
        {"wider than the line",
         "x abcdefghijklmnopqrst y",
         {{1, 720, 1440, "x"}, {1, 720, 1680, "abcdefghijklmnopqrst"}, {1, 720, 1920, "y"}}},
        // From x 720 the page holds 22 characters: the rest goes on the next line.
        {"passing the page edge",
         "x abcdefghijklmnopqrstuvwxyz0123 y",
         {{1, 720, 1440, "x"}, {1, 720, 1680, "abcdefghijklmnopqrstuv"}, {1, 720, 1920, "wxyz0123"},
          {1, 1620, 1920, "y"}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const Printed printed(c.text);
        EXPECT_EQ(printed.body(), c.expected);
        for (const Placed& item : printed.surface.visible())
            EXPECT_LE(item.x + 100 * item.text.size(), 3000) << item.text.toStdString();
    }
}

TEST(CWordWrap, DecomposedLetterIsNeverSplitFromItsAccent)
{
    // 'e' + COMBINING ACUTE counts two characters wide here but stays whole.
    const QString word = QString(21, 'a') + QStringLiteral("e\u0301") + "bc";
    const Printed printed(word);
    const QList<Placed> body = printed.body();
    ASSERT_EQ(body.size(), 2);
    EXPECT_EQ(body[0].text, QString(21, 'a'));
    EXPECT_EQ(body[1].text, QStringLiteral("e\u0301bc"));
}

TEST(CWordWrap, JobThatCannotStartOrFinishIsReportedNotPrinted)
{
    RecordingPrintSurface refusing;
    refusing.failToStart("offline");
    const auto notStarted = CWordWrap(refusing, "d").PrintText("hello");
    EXPECT_FALSE(notStarted.printed);
    EXPECT_EQ(notStarted.error, "offline");
    EXPECT_TRUE(refusing.placed().isEmpty());

    RecordingPrintSurface failing;
    failing.failToFinish("spooler gone");
    const auto notDelivered = CWordWrap(failing, "d").PrintText("hello");
    EXPECT_FALSE(notDelivered.printed);
    EXPECT_EQ(notDelivered.error, "spooler gone");
}
