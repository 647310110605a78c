#include "main/editor/phrase/frmEdit.h"

#include "main/core/shared/TileBackground.h"
#include "main/core/windows/WindowPictures.h"
#include "main/editor/phrase/PhraseCorrection.h"
#include "main/editor/phrase/TypedLengthLimit.h"
#include "main/users/windows/UserWindowKit.h"
#include "platform/ui/Colors.h"
#include "platform/ui/MessageBox.h"
#include "platform/ui/Twips.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using users::makeLabel;
using users::placeControl;

namespace {

constexpr QSize kClientTwips(5310, 3390);
constexpr quint32 kPhraseBoxColour = 0xE0E0E0;

}  // namespace

frmEdit::frmEdit(PhraseDialogSetup setup, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      setup_(std::move(setup)),
      picture_(windowBackground())
{
    setObjectName(QStringLiteral("frmEdit"));
    setModal(true);
    buildControls();
    Form_Load();
}

void frmEdit::buildControls()
{
    setFixedSize(platform::ui::twipsToPixels(kClientTwips));
    users::applyUserWindowStyle(*this);
    setStyleSheet(styleSheet() + QStringLiteral("QLineEdit#txtPhrase { background: %1; }")
                                     .arg(platform::ui::colorFromNumber(kPhraseBoxColour).name()));

    lblWarning_ = makeLabel(this, "lblWarning", {150, 75, 4890, 690});
    lblPhrase_ = makeLabel(this, "lblPhrase", {150, 825, 5040, 240});
    txtPhrase_ = placeControl(new QLineEdit(this), "txtPhrase", {150, 1050, 4965, 315});
    lblTranslation_ = makeLabel(this, "lblTranslation", {150, 1500, 5040, 240});
    txtTranslation_ = placeControl(new QLineEdit(this), "txtTranslation", {150, 1725, 4965, 315});
    Label1_ = makeLabel(this, "Label1", {120, 2160, 5040, 240});
    txtTranslation2_ = placeControl(new QLineEdit(this), "txtTranslation2", {120, 2385, 4965, 315});
    btnCancel_ = placeControl(new QPushButton(this), "btnCancel", {2550, 2925, 1200, 320});
    btnOK_ = placeControl(new QPushButton(this), "btnOK", {3900, 2925, 1200, 320});
    btnOK_->setDefault(true);

    lblPhrase_->setBuddy(txtPhrase_);
    lblTranslation_->setBuddy(txtTranslation_);
    Label1_->setBuddy(txtTranslation2_);
    for (QPushButton* button : {btnOK_, btnCancel_}) users::playClickOnPress(*button);
    connect(btnOK_, &QPushButton::clicked, this, &frmEdit::btnOK_Click);
    connect(btnCancel_, &QPushButton::clicked, this, &QDialog::reject);
}

void frmEdit::Form_Load()
{
    const startup::CaptionTable& captions = setup_.captions;
    setWindowTitle(captions[caption::EditPhrase]);
    lblWarning_->setText(captions[caption::PhraseDialogNote]);
    lblPhrase_->setText(captions[caption::PhraseLabel]);
    lblTranslation_->setText(captions[caption::TranslationLabel]);
    Label1_->setText(QStringLiteral("Translation"));
    btnCancel_->setText(captions[caption::Cancel]);
    btnOK_->setText(captions[caption::OkOrDone]);

    phraseedit::setTextWithTypedLimit(*txtPhrase_, setup_.phrase.phrase, kMaxTyped);
    phraseedit::setTextWithTypedLimit(*txtTranslation_, setup_.phrase.translation, kMaxTyped);
    phraseedit::setTextWithTypedLimit(*txtTranslation2_, setup_.phrase.translation2, kMaxTyped);
    // Show each text from its start, however long it is.
    for (QLineEdit* box : {txtPhrase_, txtTranslation_, txtTranslation2_}) box->setCursorPosition(0);
}

void frmEdit::paintEvent(QPaintEvent*) { shared::TileBackground(*this, picture_); }

// A failure leaves the dialog open with what was typed; Cancel still closes it.
void frmEdit::btnOK_Click()
{
    const phraseedit::CorrectionResult result = phraseedit::correctPhrase(
        setup_.subjectsDir, setup_.phrase,
        {txtPhrase_->text(), txtTranslation_->text(), txtTranslation2_->text()});
    const startup::CaptionTable& captions = setup_.captions;
    switch (result.failure) {
    case phraseedit::CorrectionFailure::None:
        stored_ = result.stored;
        accept();
        return;
    case phraseedit::CorrectionFailure::ReadOnly:
        platform::ui::showMessage(captions[caption::PhraseReadOnly] + QStringLiteral("\n\n") + setup_.phrase.file,
                                  platform::ui::MessageIcon::Exclamation, platform::ui::MessageButtons::Ok,
                                  windowTitle(), this);
        return;
    case phraseedit::CorrectionFailure::NoPhrase:
        platform::ui::showMessage(captions[caption::PhraseGone] + QStringLiteral("\n\n") + setup_.phrase.file,
                                  platform::ui::MessageIcon::Exclamation, platform::ui::MessageButtons::Ok,
                                  windowTitle(), this);
        return;
    case phraseedit::CorrectionFailure::Other:
        platform::ui::showErrorBox(captions[caption::ErrorHeading], QStringLiteral("btnOK_Click"), result.error,
                                   QStringLiteral("ERROR"), this);
        return;
    }
}
