#include "main/core/windows/frmMsgBox.h"

#include "main/core/shared/TileBackground.h"
#include "main/core/windows/WindowPictures.h"
#include "platform/ui/PlainLabel.h"
#include "platform/ui/Twips.h"

#include <QApplication>
#include <QFont>
#include <QLabel>
#include <QPushButton>

using platform::ui::twipsToPixels;
using platform::ui::twipsToPixelsX;
using platform::ui::twipsToPixelsY;

namespace {

constexpr int kWidthTwips = 5400;
constexpr int kDefaultHeightTwips = 1800;
constexpr int kButtonWidthTwips = 1200;
constexpr int kButtonHeightTwips = 375;
constexpr int kMarginTwips = 180;

}  // namespace

frmMsgBox::frmMsgBox(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::CustomizeWindowHint),
      lblMsg_(new QLabel(this)),
      btnOK_(new QPushButton(QStringLiteral("OK"), this)),
      picture_(windowBackground())
{
    setAttribute(Qt::WA_DeleteOnClose);
    setObjectName("frmMsgBox");
    lblMsg_->setObjectName("lblMsg");
    lblMsg_->setTextFormat(Qt::PlainText);
    lblMsg_->setWordWrap(true);
    lblMsg_->setAlignment(Qt::AlignCenter);
    setMessageFontSize(10);
    btnOK_->setObjectName("btnOK");
    btnOK_->setDefault(true);
    connect(btnOK_, &QPushButton::clicked, this, &QDialog::close);
    setFixedWidth(twipsToPixelsX(kWidthTwips));
    setHeightTwips(kDefaultHeightTwips);
}

void frmMsgBox::setMessage(const QString& text)
{
    lblMsg_->setText(text);
    lblMsg_->setAccessibleName(text);
}

void frmMsgBox::setMessageFontSize(int points)
{
    platform::ui::setFontPoints(lblMsg_, points);
}

void frmMsgBox::setHeightTwips(int twips)
{
    setFixedHeight(twipsToPixelsY(twips));
    layOut();
}

void frmMsgBox::showModal()
{
    setWindowModality(Qt::ApplicationModal);
    exec();
}

void frmMsgBox::showModeless()
{
    setWindowModality(Qt::NonModal);
    show();
    raise();
}

void frmMsgBox::paintEvent(QPaintEvent*)
{
    shared::TileBackground(*this, picture_);
}

void frmMsgBox::resizeEvent(QResizeEvent* event)
{
    QDialog::resizeEvent(event);
    layOut();
    update();
}

void frmMsgBox::layOut()
{
    const int margin = twipsToPixelsX(kMarginTwips);
    const QSize button = twipsToPixels(QSize(kButtonWidthTwips, kButtonHeightTwips));
    const int buttonTop = height() - margin - button.height();
    btnOK_->setGeometry((width() - button.width()) / 2, buttonTop, button.width(), button.height());
    lblMsg_->setGeometry(margin, margin / 2, width() - 2 * margin, std::max(0, buttonTop - margin));
}

void setShownMessageWindowsText(const QString& text)
{
    for (QWidget* shown : QApplication::topLevelWidgets())
        if (auto* box = qobject_cast<frmMsgBox*>(shown); box && box->isVisible()) box->setMessage(text);
}
