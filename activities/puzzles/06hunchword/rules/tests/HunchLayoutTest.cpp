#include "activities/puzzles/06hunchword/rules/HunchGame.h"
#include "activities/puzzles/06hunchword/rules/HunchLayout.h"

#include <gtest/gtest.h>

using namespace hunchword;
using namespace hunchword::layout;

TEST(HunchLayout, KeyboardsGrowInRowsOfThirteen)
{
    struct Case {
        const char* code;
        int keys;
        int key;
        QPoint place;
    };
    for (const Case& c : {Case{"dvlfre", 65, 1, {1285, 5865}}, Case{"dvlfre", 65, 13, {7405, 5865}},
                          Case{"dvlfre", 65, 14, {1285, 6385}}, Case{"dvlfre", 65, 65, {7405, 7945}},
                          Case{"dvlspa", 51, 51, {6895, 7425}}, Case{"dvleng", 42, 42, {2305, 7425}},
                          Case{"dvlger", 53, 53, {1285, 7945}}, Case{"dvlita", 47, 47, {4855, 7425}}}) {
        const QStringList alphabet = courseAlphabet(c.code);
        ASSERT_EQ(alphabet.size(), c.keys) << c.code;
        EXPECT_EQ(keyRect(c.key), QRect(c.place, QSize(525, 525))) << c.code << " key " << c.key;
    }
    EXPECT_EQ(courseAlphabet("dvlfre").last(), QString::fromUtf8("€"));
    EXPECT_EQ(courseAlphabet("dvlfra"), courseAlphabet("dvlfre"));
    EXPECT_TRUE(courseAlphabet("dvlxyz").isEmpty());
}

TEST(HunchLayout, WordsKeepTogetherAndWrapBeforeTheBoardsEdge)
{
    const std::vector<QPoint> twoWords = tilePlaces("LE PAIN");
    const std::vector<QPoint> expected{{1530, 885}, {2030, 885}, {3230, 885}, {3730, 885}, {4230, 885}, {4730, 885}};
    EXPECT_EQ(twoWords, expected);

    // Fifteen letters would reach the edge: even a first word starts on the next line.
    const std::vector<QPoint> longWord = tilePlaces("ANTICONSTITUTIO");
    EXPECT_EQ(longWord.front(), QPoint(1530, 1485));
    EXPECT_EQ(tilePlaces("ANTICONSTITUTI").front(), QPoint(1530, 885));

    // A second word that does not fit goes below; two blanks leave a wider gap.
    const std::vector<QPoint> wrapped = tilePlaces("BONJOUR MADEMOISELLE");
    EXPECT_EQ(wrapped[7], QPoint(1530, 1485));
    EXPECT_EQ(tilePlaces("A  B")[1], QPoint(1530 + 500 + 700 + 700, 885));
}

TEST(HunchLayout, LampsRingTheBoardClockwise)
{
    EXPECT_EQ(lampRect(0), QRect(1230, 585, 615, 105));
    EXPECT_EQ(lampRect(15), QRect(10230, 585, 615, 105));
    EXPECT_EQ(lampRect(16), QRect(10770, 585, 105, 615));
    EXPECT_EQ(lampRect(21), QRect(10770, 3555, 105, 735));
    EXPECT_EQ(lampRect(22), QRect(10230, 4185, 615, 105));
    EXPECT_EQ(lampRect(37), QRect(1230, 4185, 615, 105));
    EXPECT_EQ(lampRect(38), QRect(1230, 3585, 105, 615));
    EXPECT_EQ(lampRect(43), QRect(1230, 585, 105, 615));
    EXPECT_EQ(lampStartColour(0), 0xFFFFFFu);
    EXPECT_EQ(lampStartColour(10), 0xFF0000u);
    EXPECT_EQ(lampStartColour(8), 0x8080FFu);
}
