#include "activities/framework/windows/frmScores.h"

#include "activities/framework/windows/CenterForm.h"
#include "activities/framework/windows/EarlyKeyGuard.h"
#include "activities/framework/windows/ShapeButton.h"
#include "activities/framework/windows/WindowLabels.h"
#include "platform/ui/Clock.h"
#include "platform/ui/Timer.h"
#include "platform/ui/Twips.h"

#include <QHeaderView>
#include <QLabel>
#include <QTreeWidget>

#include <algorithm>
#include <array>

using platform::ui::twipsToPixels;
using platform::ui::twipsToPixelsX;
using platform::ui::twipsToPixelsY;

namespace {

constexpr int kWidthTwips = 6900;
constexpr int kHeightTwips = 6300;
constexpr int kMarginTwips = 300;
constexpr int kLineHeightTwips = 420;
constexpr int kButtonWidthTwips = 1800;
constexpr int kButtonHeightTwips = 660;
constexpr int kSlideIntervalMs = 2;

// Columns: position, name, score, date, time.
constexpr std::array<int, 5> kColumnTwips{600, 1700, 1200, 1200, 1300};
constexpr std::array<Qt::Alignment::Int, 5> kColumnAlign{
    Qt::AlignLeft | Qt::AlignVCenter, Qt::AlignLeft | Qt::AlignVCenter, Qt::AlignCenter,
    Qt::AlignRight | Qt::AlignVCenter, Qt::AlignRight | Qt::AlignVCenter};

}  // namespace

frmScores::frmScores(platform::RandomSource random01, bool centre)
    : activity::FrameworkDialog(nullptr, Qt::Dialog | Qt::WindowTitleHint | Qt::CustomizeWindowHint),
      lblActivity_(activity::makeWindowLabel(this, "lblActivity", 16, true)),
      lblSubject_(activity::makeWindowLabel(this, "lblSubject", 12, false)),
      lblTop10_(activity::makeWindowLabel(this, "lblTop10", 12, true)),
      ListView1_(new QTreeWidget(this)),
      lblBegin_(new activity::ShapeButton(this)),
      Timer1_(new platform::ui::Timer(kSlideIntervalMs, false, this)),
      direction_(activity::ScoreSlide::directionFor(random01.next())),
      centre_(centre)
{
    // No parent: the score window stays usable whatever the activity does to its own window.
    setObjectName(QStringLiteral("frmScores"));
    // A key still held or pressed for the game does not close it unread.
    new activity::EarlyKeyGuard(*this);
    setFixedSize(twipsToPixels(QSize(kWidthTwips, kHeightTwips)));
    lblActivity_->setStyleSheet(QStringLiteral("color: #1d4f7a;"));
    lblTop10_->setStyleSheet(QStringLiteral("color: #7a4a00;"));

    ListView1_->setObjectName(QStringLiteral("ListView1"));
    ListView1_->setColumnCount(static_cast<int>(kColumnTwips.size()));
    ListView1_->setHeaderHidden(true);
    ListView1_->setRootIsDecorated(false);
    ListView1_->setSelectionMode(QAbstractItemView::SingleSelection);
    ListView1_->setFocusPolicy(Qt::NoFocus);
    ListView1_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    ListView1_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    ListView1_->setAlternatingRowColors(true);
    ListView1_->setStyleSheet(QStringLiteral("QTreeWidget { font-size: 10pt; } QTreeWidget::item { padding: 3px 0px; }"));
    for (int column = 0; column < ListView1_->columnCount(); ++column) {
        ListView1_->setColumnWidth(column, twipsToPixelsX(kColumnTwips[static_cast<std::size_t>(column)]));
    }

    lblBegin_->setObjectName(QStringLiteral("lblBegin"));
    lblBegin_->setText(QStringLiteral("OK"));
    connect(lblBegin_, &QAbstractButton::clicked, this, &frmScores::startSlide);
    connect(Timer1_, &platform::ui::Timer::timeout, this, &frmScores::slideStep);
    layOut();
}

frmScores::~frmScores() = default;

void frmScores::setTexts(const QString& activityName, const QString& subject, const QString& top10,
                         const QString& beginCaption)
{
    setWindowTitle(activityName);
    lblActivity_->setText(activityName);
    lblSubject_->setText(subject);
    lblTop10_->setText(top10);
    lblBegin_->setText(beginCaption);
}

void frmScores::setItems(const std::vector<activity::ScoreListItem>& items)
{
    ListView1_->clear();
    QTreeWidgetItem* selected = nullptr;
    for (const activity::ScoreListItem& line : items) {
        auto* item = new QTreeWidgetItem(ListView1_, {line.position, line.name, line.score, line.date, line.time});
        for (int column = 0; column < item->columnCount(); ++column) {
            item->setTextAlignment(column, Qt::Alignment(kColumnAlign[static_cast<std::size_t>(column)]));
        }
        if (line.selected) selected = item;
    }
    fitColumns();
    ListView1_->clearSelection();
    ListView1_->setCurrentItem(nullptr);
    if (selected) {
        selected->setSelected(true);
        ListView1_->scrollToItem(selected);
    }
}

// Score, date and time widen to show their whole text (a long date format or a
// large number); the name column gives up what they take, down to a minimum.
void frmScores::fitColumns()
{
    constexpr int kNameColumn = 1;
    constexpr int kMinimumNameTwips = 1000;
    int others = 0;
    for (int column = 0; column < ListView1_->columnCount(); ++column) {
        if (column == kNameColumn) continue;
        const int designed = twipsToPixelsX(kColumnTwips[static_cast<std::size_t>(column)]);
        ListView1_->resizeColumnToContents(column);
        const int width = std::max(designed, ListView1_->columnWidth(column) + twipsToPixelsX(120));
        ListView1_->setColumnWidth(column, width);
        others += width;
    }
    const int available = ListView1_->viewport()->width() - others;
    ListView1_->setColumnWidth(kNameColumn, std::max(twipsToPixelsX(kMinimumNameTwips), available));
}

void frmScores::showModal()
{
    setWindowModality(Qt::ApplicationModal);
    if (centre_) activity::Center_Form(*this);
    lblBegin_->setFocus();
    exec();
}

void frmScores::startSlide()
{
    if (slide_) return;
    slide_.emplace(direction_, platform::ui::pixelsToTwips(pos()));
    Timer1_->setEnabled(true);
}

void frmScores::slideStep()
{
    if (!slide_) return;
    const bool ended = slide_->step();
    move(platform::ui::twipsToPixels(slide_->positionTwips()));
    if (ended) {
        Timer1_->setEnabled(false);
        accept();
    }
}

void frmScores::reject()
{
    // Escape and the close box leave the way OK does.
    startSlide();
}

void frmScores::layOut()
{
    const int margin = twipsToPixelsX(kMarginTwips);
    const int line = twipsToPixelsY(kLineHeightTwips);
    const QSize button = twipsToPixels(QSize(kButtonWidthTwips, kButtonHeightTwips));
    const int inner = width() - 2 * margin;
    lblActivity_->setGeometry(margin, margin / 2, inner, line + line / 3);
    lblSubject_->setGeometry(margin, margin / 2 + line + line / 3, inner, line);
    lblTop10_->setGeometry(margin, margin / 2 + 2 * line + line / 2, inner, line);
    const int listTop = margin / 2 + 3 * line + line / 2;
    const int buttonTop = height() - margin - button.height();
    ListView1_->setGeometry(margin, listTop, inner, std::max(0, buttonTop - margin / 2 - listTop));
    lblBegin_->setGeometry((width() - button.width()) / 2, buttonTop, button.width(), button.height());
}
