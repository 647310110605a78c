#pragma once

#include "main/core/startup/CaptionTable.h"
#include "main/users/windows/SignInTarget.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QString>
#include <QTimer>
#include <QWidget>

#include <gtest/gtest.h>

#include <functional>
#include <vector>

// Fixtures for the sign-in window and profile dialog tests.
namespace users::testing {

// Caption n reads "caption n", so a test sees which row a window shows.
startup::CaptionTable numberedCaptions();
QString caption(int row);

// The main window as the sign-in window sees it: records every call.
class FakeSignInTarget : public SignInTarget {
public:
    void setAdministratorCommandsEnabled(bool enabled) override { administrator.push_back(enabled); }
    void setPhraseMenuCaptions(const QString& edit, const QString& listen) override
    {
        menuCaptions = {edit, listen};
    }
    void setWelcome(const QString& text) override { welcome = text; }
    void setTitle(const QString& text) override { title = text; }
    void showSignedIn() override { ++shown; }
    void unloadAndEnd() override { ++ended; }

    std::vector<bool> administrator;
    std::vector<QString> menuCaptions;
    QString welcome;
    QString title;
    int shown = 0;
    int ended = 0;
};

// Runs action on the next modal window of type T as soon as it shows. A window
// that never shows fails the test; whatever modal window is up then is closed,
// so the test goes on instead of hanging.
template <class T>
void whenModal(std::function<void(T&)> action)
{
    auto* timer = new QTimer;
    timer->setInterval(5);
    const QDeadlineTimer deadline(5000);
    QObject::connect(timer, &QTimer::timeout, [timer, action, deadline] {
        if (T* window = qobject_cast<T*>(QApplication::activeModalWidget())) {
            timer->stop();
            timer->deleteLater();
            action(*window);
        } else if (deadline.hasExpired()) {
            timer->stop();
            timer->deleteLater();
            ADD_FAILURE() << "no modal " << T::staticMetaObject.className() << " showed";
            if (QWidget* other = QApplication::activeModalWidget()) other->close();
        }
    });
    timer->start();
}

// Presses OK on the next message window and keeps what it said.
struct ShownMessage {
    QString text;
    int points = 0;
};
void answerNextMessage(ShownMessage& into);

// The number of "click" sounds played so far.
int clickCount();

}  // namespace users::testing
