#include "RealMessageBox.h"

#include <QAbstractButton>
#include <QApplication>
#include <QTimer>

#include <gtest/gtest.h>

platform::ui::MessageAnswer showAndAnswer(const std::function<platform::ui::MessageAnswer()>& show,
                                          const QString& press, SeenBox& seen)
{
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        seen = {box->windowTitle(), box->text(), box->icon(), {}, box->textFormat()};
        for (QAbstractButton* button : box->buttons())
            seen.buttons << button->text().remove('&');
        if (press.isEmpty()) {
            box->reject();
            return;
        }
        for (QAbstractButton* button : box->buttons()) {
            if (button->text().remove('&') == press)
                button->click();
        }
    });
    return show();
}
