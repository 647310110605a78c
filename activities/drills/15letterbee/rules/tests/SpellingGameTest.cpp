// Dealing the phrases, laying out their tiles, entering letters.
#include "activities/drills/15letterbee/rules/LetterKeys.h"
#include "activities/drills/15letterbee/rules/LetterbeeLayout.h"
#include "activities/drills/15letterbee/rules/SpellingGame.h"

#include <gtest/gtest.h>

using namespace letterbee;

namespace {

QString lettersOf(const std::vector<Tile>& tiles)
{
    QString letters;
    for (const Tile& tile : tiles)
        letters += tile.letter;
    return letters;
}

SpellingGame gameOf(std::vector<SpellingPhrase> phrases, std::vector<double> draws = {})
{
    return SpellingGame(std::move(phrases), alphabetFor("dvlfre"), RandomSource::scripted(std::move(draws)));
}

// How many tiles stand on each row, top to bottom.
std::vector<int> rowLengths(const std::vector<Tile>& tiles)
{
    std::vector<int> rows;
    int y = -1;
    for (const Tile& tile : tiles) {
        if (tile.place.y() != y) {
            rows.push_back(0);
            y = tile.place.y();
        }
        ++rows.back();
    }
    return rows;
}

}  // namespace

TEST(SpellingGame, TilesGoWordByWordFromTheSamePlaceForEveryPhrase)
{
    const std::vector<Tile> tiles = layOutTiles("le  chat");  // two blanks make no tile
    ASSERT_EQ(tiles.size(), 6u);
    EXPECT_EQ(lettersOf(tiles), "LECHAT");
    EXPECT_EQ(tiles[0].place, QPoint(360, 360));
    EXPECT_EQ(tiles[1].place, QPoint(960, 360));
    EXPECT_EQ(tiles[2].place, QPoint(360 + 2 * 600 + 700, 360));  // a word gap after "le"

    // A word that would pass the row's end starts the next row, at tile 0's left.
    const std::vector<Tile> wrapped = layOutTiles("abcdefghijklm nopqrs");
    EXPECT_EQ(wrapped[13].place, QPoint(360, 960));
    // A first word too long for a row starts on the next one; a short one at tile 0.
    EXPECT_EQ(layOutTiles("abcdefghijklmnopqr")[0].place, QPoint(360, 960));  // too long for row one
    EXPECT_EQ(layOutTiles("x")[0].place, QPoint(360, 360));

}

TEST(SpellingGame, AWordStaysOnOneRowUnlessItIsWiderThanARow)
{
    // "beau" ends past x 10184 yet starts at 8460, within the row: it stays whole.
    const std::vector<Tile> phrase = layOutTiles(QString::fromUtf8("Il fait très beau aujourd'hui à Paris"));
    EXPECT_EQ(rowLengths(phrase), (std::vector<int>{14, 12, 5}));
    EXPECT_EQ(phrase[13].place, QPoint(10260, 360));

    // A word wider than a whole row goes on in the next one only where a tile
    // would leave the window: 19 tiles a row from tile 0's left.
    const std::vector<Tile> long60 = layOutTiles(QString(60, QLatin1Char('w')));
    EXPECT_EQ(rowLengths(long60), (std::vector<int>{19, 19, 19, 3}));
    for (const Tile& tile : long60)
        EXPECT_LE(tile.place.x() + layout::kTile0.width(), layout::kFormSize.width());
    // The word after it goes on from where it ended, by the row rule.
    EXPECT_EQ(rowLengths(layOutTiles(QString(20, QLatin1Char('w')) + " ab")), (std::vector<int>{19, 3}));
}

TEST(SpellingGame, PhrasesAreDealtOnceEachInRandomOrder)
{
    SpellingGame game = gameOf({{"un", "one"}, {"deux", "two"}, {"trois", "three"}}, {0.5, 0.4, 0.0, 0.9});
    EXPECT_EQ(game.phrasesLeftShown(), 3);
    ASSERT_TRUE(game.nextPhrase());
    EXPECT_EQ(game.phraseIndex(), 1);
    EXPECT_EQ(game.phrasesLeftShown(), 3);
    ASSERT_TRUE(game.nextPhrase());  // 0.4 draws phrase 2 again: drawn anew
    EXPECT_EQ(game.phraseIndex(), 0);
    ASSERT_TRUE(game.nextPhrase());
    EXPECT_EQ(game.phraseIndex(), 2);
    EXPECT_EQ(game.phrasesLeftShown(), 1);
    EXPECT_TRUE(game.allDealt());
    EXPECT_FALSE(game.nextPhrase());
    EXPECT_EQ(game.phrasesLeftShown(), 0);
}

TEST(SpellingGame, ARightLetterFillsItsTileAWrongOneChangesNothing)
{
    SpellingGame game = gameOf({{"Où", "where"}});
    game.nextPhrase();
    EXPECT_EQ(game.currentTile(), 0);
    EXPECT_EQ(game.checkLetter("U"), LetterResult::Wrong);
    EXPECT_EQ(game.checkLetter("o"), LetterResult::Wrong);  // tiles hold upper case
    EXPECT_EQ(game.currentTile(), 0);
    EXPECT_FALSE(game.tiles()[0].filled);
    EXPECT_EQ(game.checkLetter("O"), LetterResult::Right);
    EXPECT_EQ(game.currentTile(), 1);
    EXPECT_EQ(game.checkLetter("U"), LetterResult::Wrong);  // "Ù" only from its own key
    EXPECT_EQ(game.checkLetter("Ù"), LetterResult::PhraseComplete);
    EXPECT_TRUE(game.phraseComplete());
    EXPECT_EQ(game.checkLetter("Ù"), LetterResult::Ignored);
}

TEST(SpellingGame, LettersWithoutAKeyAreFilledInAndSkipped)
{
    // "ñ" and "&" have no key in the French edition.
    SpellingGame game = gameOf({{"ñ&a", "x"}});
    game.nextPhrase();
    EXPECT_TRUE(game.tiles()[0].filled);
    EXPECT_TRUE(game.tiles()[1].filled);
    EXPECT_EQ(game.currentTile(), 2);
    EXPECT_EQ(game.checkLetter("A"), LetterResult::PhraseComplete);
}

TEST(SpellingGame, APhraseWithNothingToEnterIsCompleteAtOnce)
{
    for (const QString& text : {QString(), QStringLiteral("   "), QStringLiteral("&&")}) {
        SpellingGame game = gameOf({{text, "x"}});
        ASSERT_TRUE(game.nextPhrase());
        EXPECT_TRUE(game.phraseComplete()) << text.toStdString();
        EXPECT_EQ(game.checkLetter("A"), LetterResult::Ignored);
    }
}
