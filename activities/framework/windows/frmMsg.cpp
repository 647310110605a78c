#include "activities/framework/windows/frmMsg.h"

#include "activities/framework/windows/CenterForm.h"
#include "activities/framework/windows/EarlyKeyGuard.h"
#include "activities/framework/windows/ShapeButton.h"
#include "activities/framework/windows/WindowLabels.h"
#include "platform/ui/Twips.h"

#include <QLabel>

using platform::ui::twipsToPixels;
using platform::ui::twipsToPixelsX;
using platform::ui::twipsToPixelsY;

namespace {

constexpr int kWidthTwips = 6000;
constexpr int kHeightTwips = 3900;
constexpr int kMarginTwips = 240;
constexpr int kLineHeightTwips = 420;
constexpr int kButtonWidthTwips = 1800;
constexpr int kButtonHeightTwips = 660;

}  // namespace

frmMsg::frmMsg(QWidget* owner)
    : activity::FrameworkDialog(nullptr, Qt::Dialog | Qt::WindowTitleHint | Qt::CustomizeWindowHint),
      lblMsg_(activity::makeWindowLabel(this, "lblMsg", 12, true)),
      lblmsg2_(activity::makeWindowLabel(this, "lblmsg2", 11, false)),
      lblAnswer_(activity::makeWindowLabel(this, "lblAnswer", 22, true)),
      lblOK_(new activity::ShapeButton(this))
{
    // No parent: disabling the activity's window must leave this one usable.
    // The owner only lends its title.
    setObjectName(QStringLiteral("frmMsg"));
    // A key still held or pressed for the game does not close it unread.
    new activity::EarlyKeyGuard(*this);
    if (owner) setWindowTitle(owner->windowTitle());
    setFixedSize(twipsToPixels(QSize(kWidthTwips, kHeightTwips)));
    lblAnswer_->setWordWrap(true);
    lblAnswer_->setStyleSheet(QStringLiteral("color: #1d4f7a;"));
    lblOK_->setObjectName(QStringLiteral("lblOK"));
    lblOK_->setText(QStringLiteral("OK"));
    connect(lblOK_, &QAbstractButton::clicked, this, &QDialog::accept);
    layOut();
}

void frmMsg::showModal()
{
    setWindowModality(Qt::ApplicationModal);
    activity::Center_Form(*this);
    lblOK_->setFocus();
    exec();
}

void frmMsg::layOut()
{
    const int margin = twipsToPixelsX(kMarginTwips);
    const int line = twipsToPixelsY(kLineHeightTwips);
    const QSize button = twipsToPixels(QSize(kButtonWidthTwips, kButtonHeightTwips));
    const int inner = width() - 2 * margin;
    const int buttonTop = height() - margin - button.height();
    lblMsg_->setGeometry(margin, margin, inner, line);
    lblmsg2_->setGeometry(margin, margin + line, inner, line);
    const int answerTop = margin + 2 * line;
    lblAnswer_->setGeometry(margin, answerTop, inner, std::max(0, buttonTop - margin / 2 - answerTop));
    lblOK_->setGeometry((width() - button.width()) / 2, buttonTop, button.width(), button.height());
}
