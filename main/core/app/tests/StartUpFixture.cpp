#include "StartUpFixture.h"

#include "main/users/windows/UserList.h"
#include "main/users/windows/frmLogin.h"

#include <QApplication>
#include <QPushButton>
#include <QTest>

QWidget* StartUp::signInWindow()
{
    for (QWidget* window : QApplication::topLevelWidgets())
        if (qobject_cast<frmLogin*>(window) && window->isVisible()) return window;
    return nullptr;
}

void StartUp::signIn(const QString& displayName)
{
    auto* login = qobject_cast<frmLogin*>(signInWindow());
    ASSERT_NE(login, nullptr) << "no sign-in window is shown";
    const QList<QListWidgetItem*> found = login->ListView1()->findItems(displayName, Qt::MatchExactly);
    ASSERT_EQ(found.size(), 1) << displayName.toStdString();
    login->ListView1()->setCurrentItem(found.front());
    QTest::mouseClick(login->btnLogin(0), Qt::LeftButton);
}
