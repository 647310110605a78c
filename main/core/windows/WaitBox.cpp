#include "main/core/windows/WaitBox.h"

void WaitBox::show(const QString& title, const QString& text, int heightTwips)
{
    close();
    box_ = new frmMsgBox;
    box_->setWindowTitle(title);
    box_->setMessage(text);
    box_->setHeightTwips(heightTwips);
    box_->showModeless();
}

void WaitBox::setText(const QString& text)
{
    if (box_) box_->setMessage(text);
}

void WaitBox::close()
{
    if (box_) box_->close();
}
