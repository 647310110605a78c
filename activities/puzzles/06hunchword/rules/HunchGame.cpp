#include "activities/puzzles/06hunchword/rules/HunchGame.h"

#include "activities/puzzles/06hunchword/rules/HunchLayout.h"
#include "platform/ui/TextCase.h"

#include <algorithm>

namespace hunchword {

namespace {

constexpr int kPointSteps = 10;
constexpr int kPointUnit = 50;
constexpr int kShowPaletteColours = 15;

QStringList characters(const QString& text)
{
    QStringList list;
    for (const char32_t c : text.toUcs4())
        list << QString::fromUcs4(&c, 1);
    return list;
}

}  // namespace

QStringList courseAlphabet(const QString& programCode)
{
    const QString common = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789,.?!'-");
    if (programCode == QLatin1String("dvlspa"))
        return characters(common + QStringLiteral("ÁÉÍÓÚÑ¿¡Ü"));
    if (programCode == QLatin1String("dvleng"))
        return characters(common);
    if (programCode == QLatin1String("dvlfre") || programCode == QLatin1String("dvlfra"))
        return characters(common + QStringLiteral("ÀÁÂÄÈÉÊËÌÍÎÏÒÓÔÖÙÚÛÜÇŒ€"));
    if (programCode == QLatin1String("dvlger") || programCode == QLatin1String("dvlale"))
        return characters(common + QStringLiteral("ÄÅÆÐËÖØßÞÜŸ"));
    if (programCode == QLatin1String("dvlita") || programCode == QLatin1String("dvlito"))
        return characters(common + QStringLiteral("ÀÈÌÒÙ"));
    return {};
}

QStringList phraseLetters(const QString& phrase)
{
    QStringList letters = characters(platform::ui::ucase(phrase));
    letters.removeAll(QStringLiteral(" "));
    return letters;
}

HunchGame::HunchGame(std::vector<DuelPhrase> phrases, QStringList alphabet, RandomSource random)
    : phrases_(std::move(phrases)),
      alphabet_(std::move(alphabet)),
      random_(std::move(random)),
      dealt_(phrases_.size(), false),
      keysShown_(static_cast<std::size_t>(alphabet_.size()), true)
{
}

bool HunchGame::newGame()
{
    points_ = {};
    player_ = Player::Learner;
    clock_ = kTurnSeconds;
    phrasesLeft_ = static_cast<int>(phrases_.size());
    std::fill(dealt_.begin(), dealt_.end(), false);
    over_ = false;
    return dealNext();
}

bool HunchGame::dealNext()
{
    while (phrasesLeft_ > 0) {
        // One draw among the phrases still to come.
        deal(platform::drawUndealt(random_, dealt_));
        if (!solved())
            return true;
        --phrasesLeft_;  // nothing to pick: the phrase is passed over
    }
    over_ = true;
    return false;
}

void HunchGame::deal(int index)
{
    current_ = index;
    std::fill(keysShown_.begin(), keysShown_.end(), true);
    clock_ = kTurnSeconds;
    const QString upper = platform::ui::ucase(phrases_.at(static_cast<std::size_t>(index)).text);
    const QStringList letters = phraseLetters(upper);
    const std::vector<QPoint> places = layout::tilePlaces(upper);
    tiles_.clear();
    for (int k = 0; k < letters.size(); ++k) {
        Tile tile;
        tile.letter = letters[k];
        tile.place = places.at(static_cast<std::size_t>(k));
        tile.points = (random_.below(kPointSteps) + 1) * kPointUnit;
        if (!alphabet_.contains(tile.letter)) {
            // No key could ever reveal it.
            tile.points = 0;
            tile.look = Look::Revealed;
        }
        tiles_.push_back(tile);
    }
}

PickOutcome HunchGame::pick(int key)
{
    PickOutcome outcome;
    if (over_ || key < 1 || key > alphabet_.size() || !keyVisible(key))
        return outcome;
    outcome.taken = true;
    keysShown_[static_cast<std::size_t>(key - 1)] = false;
    const QString& letter = alphabet_.at(key - 1);
    for (Tile& tile : tiles_) {
        if (tile.look == Look::Hidden && tile.letter == letter) {
            tile.look = Look::Matched;
            ++outcome.matches;
            outcome.gained += tile.points;
        }
    }
    points_[static_cast<std::size_t>(player_)] += outcome.gained;
    if (outcome.matches == 0)
        switchTurn();
    else
        clock_ = kTurnSeconds;
    return outcome;
}

void HunchGame::revealMatched()
{
    for (Tile& tile : tiles_)
        if (tile.look == Look::Matched)
            tile.look = Look::Revealed;
}

bool HunchGame::solved() const
{
    return std::none_of(tiles_.begin(), tiles_.end(), [](const Tile& tile) { return tile.look == Look::Hidden; });
}

AfterPhrase HunchGame::afterPhrase()
{
    --phrasesLeft_;
    return dealNext() ? AfterPhrase::NextPhrase : AfterPhrase::GameOver;
}

void HunchGame::switchTurn()
{
    player_ = player_ == Player::Learner ? Player::Computer : Player::Learner;
    clock_ = kTurnSeconds;
}

bool HunchGame::clockTick()
{
    --clock_;
    if (clock_ > 0)
        return false;
    clock_ = kTurnSeconds;
    return true;
}

int HunchGame::skillTier() const
{
    const auto hidden = std::count_if(tiles_.begin(), tiles_.end(), [](const Tile& t) { return t.look == Look::Hidden; });
    const double share = tiles_.empty() ? 0.0 : static_cast<double>(hidden) * 100.0 / static_cast<double>(tiles_.size());
    int tier = share >= 90 ? 5 : share >= 70 ? 4 : share >= 50 ? 3 : share >= 30 ? 2 : 1;
    if (tier != 1 && points(Player::Computer) < points(Player::Learner))
        tier = 1;
    return tier;
}

int HunchGame::chooseComputerKey() const
{
    const int tier = skillTier();
    const bool surePick = random_.below(tier) == 0;
    if (surePick) {
        // Any hidden tile, drawn evenly; its letter always has a key.
        std::vector<int> hidden;
        for (int k = 0; k < static_cast<int>(tiles_.size()); ++k)
            if (tiles_[static_cast<std::size_t>(k)].look == Look::Hidden)
                hidden.push_back(k);
        if (!hidden.empty()) {
            const Tile& tile = tiles_[static_cast<std::size_t>(platform::drawFrom(random_, hidden))];
            return static_cast<int>(alphabet_.indexOf(tile.letter)) + 1;
        }
    }
    // Any key still shown, drawn evenly.
    std::vector<int> shown;
    for (int key = 1; key <= alphabet_.size(); ++key)
        if (keyVisible(key))
            shown.push_back(key);
    if (shown.empty())
        return 0;
    return platform::drawFrom(random_, shown);
}

int HunchGame::showColour() const { return random_.below(kShowPaletteColours) + 1; }

}  // namespace hunchword
