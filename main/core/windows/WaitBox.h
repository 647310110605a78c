#pragma once

#include "main/core/windows/frmMsgBox.h"

#include <QPointer>

// The message window as a modeless wait box, one at a time. It has no parent,
// so a window that is disabled or hidden while it shows leaves it usable.
class WaitBox {
public:
    WaitBox() = default;
    ~WaitBox() { close(); }
    WaitBox(const WaitBox&) = delete;
    WaitBox& operator=(const WaitBox&) = delete;

    void show(const QString& title, const QString& text, int heightTwips);
    void setText(const QString& text);
    void close();

private:
    QPointer<frmMsgBox> box_;
};
