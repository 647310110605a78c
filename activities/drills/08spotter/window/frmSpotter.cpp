#include "activities/drills/08spotter/window/frmSpotter.h"

#include "activities/drills/08spotter/rules/SpotterLayout.h"
#include "activities/framework/windows/WindowColours.h"
#include "activities/framework/windows/WindowLabels.h"
#include "main/core/shared/Sound.h"
#include "main/core/shared/TileBackground.h"
#include "platform/ui/Colors.h"
#include "platform/ui/SvgPicture.h"
#include "platform/ui/Twips.h"

using platform::ui::twipsToPixels;

namespace spotter {

namespace {

// Caption rows of the activity's caption table.
namespace row {
enum Caption {
    kWrongHeading = 4,
    kRightHeading = 5,
    kPercentHeading = 6,
    kTop10 = 7,
    kOkText = 8,
    kHearAgain = 11,
};
}  // namespace row

QLabel* counterLabel(QWidget* parent, const char* name, const QRect& twips, const QColor& colour)
{
    QLabel* label = activity::makeColouredLabel(parent, name, 20, true, colour);
    label->setGeometry(twipsToPixels(twips));
    return label;
}

}  // namespace

activity::ActivitySetup spotterSetup()
{
    activity::ActivitySetup setup;
    setup.program = QStringLiteral("08spotter");
    setup.centring = activity::Centring::AfterCaptions;
    setup.instructions = activity::InstructionRows{10, 9, 2, 3};
    return setup;
}

frmSpotter::frmSpotter(RandomSource random, QWidget* parent)
    : ActivityWindow(spotterSetup(), parent),
      random_(std::move(random)),
      lblPhrase_(new SpotterCard(this)),
      lblCaption_{activity::makeWindowLabel(this, "lblCaption_0", 10, true),
                  activity::makeWindowLabel(this, "lblCaption_1", 10, true),
                  activity::makeWindowLabel(this, "lblCaption_2", 10, true)},
      lblWrong_(counterLabel(this, "lblWrong", layout::kWrongCount, platform::ui::qbColor(12))),
      lblRight_(counterLabel(this, "lblRight", layout::kRightCount, platform::ui::qbColor(10))),
      lblPercentage_(counterLabel(this, "lblPercentage", layout::kPercentage, platform::ui::qbColor(15))),
      btnHearAgain_(new QPushButton(this)),
      background_(platform::ui::pictureResource(QStringLiteral("spotter-background")))
{
    setObjectName(QStringLiteral("frmSpotter"));
    createControls();
}

frmSpotter::~frmSpotter() = default;

void frmSpotter::createControls()
{
    using namespace layout;
    const std::array<QRect, 3> headings{kPercentHeading, kRightHeading, kWrongHeading};
    for (std::size_t k = 0; k < headings.size(); ++k) {
        lblCaption_[k]->setGeometry(twipsToPixels(headings[k]));
        activity::setTextColour(lblCaption_[k], platform::ui::qbColor(15));
    }
    lblWrong_->setText(QStringLiteral("0"));
    lblRight_->setText(QStringLiteral("0"));
    lblPercentage_->setText(QStringLiteral("0%"));

    btnHearAgain_->setObjectName(QStringLiteral("btnHearAgain"));
    btnHearAgain_->setGeometry(twipsToPixels(kHearAgain));
    QFont font = btnHearAgain_->font();
    font.setPointSize(11);
    font.setBold(true);
    btnHearAgain_->setFont(font);
    connect(btnHearAgain_, &QPushButton::clicked, this, &frmSpotter::btnHearAgain_Click);

    SpotterCard* first = lblPhrase_[0];
    first->setObjectName(QStringLiteral("lblPhrase"));
    first->setGeometry(QRect(twipsToPixels(kFrame.topLeft()), first->sizeHint()));
    connect(first, &SpotterCard::clicked, this, [this] { lblPhrase_Click(0); });

    setFixedSize(twipsToPixels(QSize(kFormWidth, kFormHeight)));
}

void frmSpotter::afterStudyList() { game_ = std::make_unique<SpotterGame>(mPhraseCount, random_); }

void frmSpotter::setUpActivity()
{
    lblCaption_[2]->setText(mCaptions(row::kWrongHeading));
    lblCaption_[1]->setText(mCaptions(row::kRightHeading));
    lblCaption_[0]->setText(mCaptions(row::kPercentHeading));
    btnHearAgain_->setText(mCaptions(row::kHearAgain));
    const std::vector<QPoint> places = layout::arrayPlaces(layout::kFrame.topLeft(), mPhraseCount);
    for (int index = 1; index < mPhraseCount; ++index) {
        SpotterCard* card = lblPhrase_.load(index);
        card->move(twipsToPixels(places[static_cast<std::size_t>(index)]));
        connect(card, &SpotterCard::clicked, this, [this, index] { lblPhrase_Click(index); });
        card->show();
    }
}

void frmSpotter::startGame() { Deal_Choices(); }

void frmSpotter::Deal_Choices()
{
    if (!game_ || ending())
        return;
    game_->Deal_Choices();
    for (int index = 0; index < game_->cardCount(); ++index) {
        const QString& translation = mPhrases[static_cast<std::size_t>(game_->phraseOnCard(index))].text2;
        SpotterCard* card = lblPhrase_[index];
        card->setCaption(QStringLiteral("\n") + translation);
    }
    Next_Target();
}

void frmSpotter::Next_Target()
{
    if (!game_->Next_Target()) {
        End_Game();
        return;
    }
    playTarget();
}

void frmSpotter::End_Game() { saveNumberScore(game_->percent(), row::kTop10, row::kOkText); }

void frmSpotter::lblPhrase_Click(int index)
{
    if (!game_ || ending())
        return;
    const ClickResult result = game_->click(index);
    if (result == ClickResult::Ignored)
        return;
    if (result == ClickResult::Right) {
        lblPhrase_[index]->hide();
        shared::Play_Wave_Resource(QStringLiteral("YES"), shared::kSoundSync);
    } else {
        shared::Play_Wave_Resource(QStringLiteral("NO"), shared::kSoundSync);
    }
    if (ending())
        return;
    showCounts();
    Next_Target();
}

void frmSpotter::btnHearAgain_Click()
{
    if (game_ && !ending() && game_->awaitingClick())
        playTarget();
}

void frmSpotter::playTarget()
{
    shared::Play_Sound_File(mPhrases[static_cast<std::size_t>(game_->targetPhrase())].sound, shared::kSoundAsync);
}

void frmSpotter::showCounts()
{
    lblRight_->setText(QString::number(game_->rightCount()));
    lblWrong_->setText(QString::number(game_->wrongCount()));
    lblPercentage_->setText(QString::number(game_->percent()) + QLatin1Char('%'));
}

void frmSpotter::paintEvent(QPaintEvent*) { shared::TileBackground(*this, background_); }

}  // namespace spotter
