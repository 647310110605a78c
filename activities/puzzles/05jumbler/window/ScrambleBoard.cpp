#include "activities/puzzles/05jumbler/window/ScrambleBoard.h"

#include "platform/ui/Colors.h"
#include "platform/ui/Twips.h"

namespace jumbler {
namespace {

// Empty slots stand apart by a border in a darker blue than the window.
const QColor kSlotBorder(0x3f, 0x4a, 0xb0);
constexpr int kSlotBorderWidth = 2;

// A right letter is shown in a green dark enough to read on a white tile.
QColor letterColour(const LetterTile& tile)
{
    if (tile.flashColour >= 0)
        return platform::ui::qbColor(tile.flashColour);
    if (tile.letterColour == colour::kGreen)
        return QColor(0x00, 0x9a, 0x2e);
    return platform::ui::colorFromNumber(tile.letterColour);
}

LetterBox* makeLetterBox(QWidget* form, const char* name, const QRect& twips)
{
    auto* box = new LetterBox(form);
    box->setObjectName(QString::fromLatin1(name));
    QFont font(QStringLiteral("Arial"));
    font.setPointSize(24);
    font.setBold(true);
    box->setFont(font);
    box->setAlignment(Qt::AlignCenter);
    box->setGeometry(platform::ui::twipsToPixels(twips));
    box->hide();
    return box;
}

}  // namespace

ScrambleBoard::ScrambleBoard(QWidget* form, QObject* tileEvents)
    : lblLetter_(makeLetterBox(form, "lblLetter", layout::kSlot0)),
      lblDrag_(makeLetterBox(form, "lblDrag", layout::kTile0)),
      tileEvents_(tileEvents)
{
    LetterBox* tile0 = lblDrag_[0];
    tile0->setText(QStringLiteral("A"));
    tile0->setCursor(Qt::OpenHandCursor);
    tile0->setLook(Qt::white, Qt::black, Qt::black, 1);
    tile0->installEventFilter(tileEvents_);
    lblLetter_[0]->setLook(Qt::black, Qt::black, kSlotBorder, kSlotBorderWidth);
}

void ScrambleBoard::rebuild(const ScrambleGame& game)
{
    const int count = static_cast<int>(game.letterSlots().size());
    for (int i = std::max(count, 1); i < std::max(count_, 1); ++i) {
        lblLetter_.unload(i);
        // Events sent while a tile is destroyed must not reach the window's
        // tile handler, which would take the half-destroyed box for a tile.
        if (LetterBox* tile = lblDrag_[i]) tile->removeEventFilter(tileEvents_);
        lblDrag_.unload(i);
    }
    for (int i = 1; i < count; ++i) {
        lblLetter_.load(i);
        if (!lblDrag_[i]) {
            lblDrag_.load(i)->installEventFilter(tileEvents_);
        }
    }
    count_ = count;
    lblLetter_[0]->setVisible(count > 0);
    lblDrag_[0]->setVisible(count > 0);
    for (int i = 0; i < count; ++i) {
        lblLetter_[i]->show();
        lblDrag_[i]->show();
    }
    // Tiles lie over the slots, later tiles over earlier ones.
    for (int i = 0; i < count; ++i)
        lblDrag_[i]->raise();
    refresh(game);
}

void ScrambleBoard::refresh(const ScrambleGame& game, int draggedTile)
{
    const auto& letterSlots = game.letterSlots();
    for (int i = 0; i < count_ && i < static_cast<int>(letterSlots.size()); ++i) {
        const LetterSlot& s = letterSlots[static_cast<std::size_t>(i)];
        LetterBox* box = lblLetter_[i];
        box->setGeometry(platform::ui::twipsToPixels(s.rect));
        box->setText(s.letter);
        box->setLook(platform::ui::colorFromNumber(s.colour), Qt::black, kSlotBorder, kSlotBorderWidth);
    }
    const auto& tiles = game.tiles();
    for (int i = 0; i < count_ && i < static_cast<int>(tiles.size()); ++i) {
        const LetterTile& t = tiles[static_cast<std::size_t>(i)];
        LetterBox* box = lblDrag_[i];
        if (i != draggedTile)
            box->setGeometry(platform::ui::twipsToPixels(t.rect));
        box->setText(t.letter);
        box->setAccessibleName(t.letter);
        box->setLook(platform::ui::colorFromNumber(t.background), letterColour(t), Qt::black, t.bordered ? 1 : 0);
    }
}

}  // namespace jumbler
