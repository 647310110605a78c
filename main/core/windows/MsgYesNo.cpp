#include "main/core/windows/MsgYesNo.h"

#include "main/core/shared/Sound.h"
#include "main/core/shared/TileBackground.h"
#include "main/core/startup/ModMain.h"
#include "main/core/windows/OpenWebPage.h"
#include "main/core/windows/WindowPictures.h"
#include "platform/ui/Twips.h"

#include <QLabel>
#include <QPushButton>

using platform::ui::twipsToPixels;

MsgYesNo::MsgYesNo(QWidget* parent)
    : QDialog(parent),
      lblMsg_(new QLabel(this)),
      btnYes_(new QPushButton(tr("Yes"), this)),
      btnNO_(new QPushButton(tr("No"), this)),
      picture_(windowBackground())
{
    setObjectName("MsgYesNo");
    setFixedSize(twipsToPixels(QSize(5400, 1800)));
    lblMsg_->setObjectName("lblMsg");
    lblMsg_->setTextFormat(Qt::PlainText);
    lblMsg_->setWordWrap(true);
    lblMsg_->setAlignment(Qt::AlignCenter);
    lblMsg_->setGeometry(twipsToPixels(QRect(180, 90, 5040, 1080)));
    btnYes_->setObjectName("btnYes");
    btnYes_->setGeometry(twipsToPixels(QRect(1380, 1260, 1200, 375)));
    btnNO_->setObjectName("btnNO");
    btnNO_->setGeometry(twipsToPixels(QRect(2820, 1260, 1200, 375)));
    connect(btnNO_, &QPushButton::clicked, this, &QDialog::close);
    connect(btnYes_, &QPushButton::clicked, this, &MsgYesNo::btnYes_Click);
}

void MsgYesNo::btnYes_Click()
{
    shared::Play_Wave_Resource(QStringLiteral("click"), shared::kSoundAsync);
    Open_Web_Page(startup::modMain.gCaptions[caption::UpgradePageName]);
    close();
}

void MsgYesNo::paintEvent(QPaintEvent*)
{
    shared::TileBackground(*this, picture_);
}
