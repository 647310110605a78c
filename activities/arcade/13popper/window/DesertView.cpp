#include "activities/arcade/13popper/window/DesertView.h"

#include "activities/framework/windows/WindowColours.h"
#include "platform/ui/PlainLabel.h"
#include "platform/ui/Twips.h"

#include <QFontMetrics>
#include <QPainter>

namespace popper {

namespace {
const QColor kSand(255, 255, 192);
const QColor kInPlay(0, 128, 0);
const QColor kShot(255, 0, 0);
}  // namespace

QRect pixelRect(const layout::Piece& piece)
{
    return platform::ui::twipsToPixels(QRect(piece.left, piece.top, piece.width, piece.height));
}

DesertView::DesertView(QWidget* parent) : QWidget(parent), pictures_(PopperPictures::load())
{
    setObjectName(QStringLiteral("picDesert"));
    setAccessibleName(QStringLiteral("Desert"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    // Label 0 exists from the start, as the layout origin of the others.
    labels_.append(makeWordLabel());
    labels_[0]->hide();
}

QLabel* DesertView::makeWordLabel()
{
    auto* label = platform::ui::makePlainLabel(this, QStringLiteral("lblword%1").arg(labels_.size()), 9.75, true,
                                               Qt::AlignCenter);
    label->setFocusPolicy(Qt::NoFocus);
    return label;
}

QRect DesertView::labelRect(const FallingWord& word) const
{
    // Bullets hit the word's box alone; a long word spills out of it on both
    // sides so that it can still be read whole.
    const QRect box = pixelRect(word.box);
    const int spill = QFontMetrics(labels_[0]->font()).horizontalAdvance(word.caption) - box.width();
    return spill > 0 ? box.adjusted(-(spill + 1) / 2, 0, (spill + 1) / 2, 0) : box;
}

void DesertView::setGame(const PopperGame* game)
{
    game_ = game;
    showState();
}

void DesertView::showState()
{
    const QList<FallingWord> noWords;
    const QList<FallingWord>& words = game_ ? game_->words() : noWords;
    while (labels_.size() < words.size())
        labels_.append(makeWordLabel());
    for (qsizetype i = 0; i < labels_.size(); ++i) {
        QLabel* label = labels_[i];
        if (i >= words.size() || !words[i].visible) {
            label->hide();
            continue;
        }
        const FallingWord& word = words[i];
        if (label->text() != word.caption)
            label->setText(word.caption);
        activity::setTextColour(label, word.shot ? kShot : kInPlay);
        label->setGeometry(labelRect(word));
        label->show();
    }
    update();
}

void DesertView::drawPiece(QPainter& painter, const QPixmap& picture, const layout::Piece& piece) const
{
    painter.drawPixmap(pixelRect(piece), picture);
}

void DesertView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), kSand);
    if (!game_)
        return;
    for (int k = 0; k < 4; ++k)
        drawPiece(painter, pictures_.cactus, game_->cactus(k));
    const bool learnerDown = game_->state() == PopperGame::State::LearnerShot;
    layout::Piece learner = game_->learner();
    if (learnerDown)
        learner.width = layout::kComputer.width;  // the grave is square
    drawPiece(painter, learnerDown ? pictures_.rip : pictures_.lefty, learner);
    drawPiece(painter, game_->computerShot() ? pictures_.rip : pictures_.righty, game_->computer());
    for (int b = 0; b < layout::kBulletSlots; ++b) {
        if (game_->learnerBullet(b).inFlight)
            drawPiece(painter, pictures_.lbullet, game_->learnerBullet(b).box);
        if (game_->computerBullet(b).inFlight)
            drawPiece(painter, pictures_.rbullet, game_->computerBullet(b).box);
    }
}

}  // namespace popper
