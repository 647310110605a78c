#include "activities/drills/15letterbee/rules/SpellingGame.h"

#include "activities/drills/15letterbee/rules/LetterKeys.h"
#include "activities/drills/15letterbee/rules/LetterbeeLayout.h"

#include <QList>
#include <QStringList>

namespace letterbee {

namespace {

// The last left a tile may take and still end inside the window. Only a word
// wider than a whole row reaches it: every other word starts a row it fits on.
constexpr int kLastTileLeft = layout::kFormSize.width() - layout::kTile0.width();

}  // namespace

std::vector<Tile> layOutTiles(const QString& phrase)
{
    std::vector<Tile> tiles;
    int x = layout::kTile0.left();
    int y = layout::kTile0.top();
    for (const QString& word : phrase.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const QList<uint> letters = word.toUcs4();
        const auto length = static_cast<int>(letters.size());
        if (x + (length - 1) * layout::kWordWidthStep > layout::kRowEnd) {
            x = layout::kTile0.left();
            y += layout::kRowStep;
        }
        for (const uint letter : letters) {
            if (x > kLastTileLeft) {
                x = layout::kTile0.left();
                y += layout::kRowStep;
            }
            const auto c = static_cast<char32_t>(letter);
            tiles.push_back({QPoint(x, y), upperCase(QString::fromUcs4(&c, 1)), false});
            x += layout::kTileStep;
        }
        x += layout::kWordGap;
    }
    return tiles;
}

SpellingGame::SpellingGame(std::vector<SpellingPhrase> phrases, QString alphabet, RandomSource random)
    : phrases_(std::move(phrases)),
      alphabet_(std::move(alphabet)),
      random_(std::move(random)),
      dealt_(phrases_.size(), false),
      phrasesLeft_(static_cast<int>(phrases_.size()))
{
}

bool SpellingGame::nextPhrase()
{
    inPlay_ = false;
    if (phrasesLeft_ <= 0)
        return false;
    int index = 0;
    do
        index = random_.below(phraseCount());
    while (dealt_[static_cast<std::size_t>(index)]);
    dealt_[static_cast<std::size_t>(index)] = true;
    --phrasesLeft_;
    inPlay_ = true;
    current_ = index;
    ++round_;
    layOut(phrase().phrase);
    return true;
}

void SpellingGame::layOut(const QString& text)
{
    tiles_ = layOutTiles(text);
    for (Tile& tile : tiles_)
        tile.filled = !alphabet_.contains(tile.letter);
    moveToOpenTile(0);
}

void SpellingGame::moveToOpenTile(int from)
{
    currentTile_ = -1;
    for (int k = from; k < static_cast<int>(tiles_.size()); ++k) {
        if (!tiles_[static_cast<std::size_t>(k)].filled) {
            currentTile_ = k;
            return;
        }
    }
}

LetterResult SpellingGame::checkLetter(const QString& letter)
{
    if (!inPlay_ || phraseComplete())
        return LetterResult::Ignored;
    Tile& tile = tiles_[static_cast<std::size_t>(currentTile_)];
    if (tile.letter != letter)
        return LetterResult::Wrong;
    tile.filled = true;
    moveToOpenTile(currentTile_ + 1);
    return phraseComplete() ? LetterResult::PhraseComplete : LetterResult::Right;
}

}  // namespace letterbee
