#include "platform/ui/Application.h"

#include <QApplication>
#include <QFont>
#include <QFontDatabase>

namespace platform::ui {

void initApplication(QApplication& app)
{
    QApplication::setQuitOnLastWindowClosed(false);

    const QString family = QStringLiteral("Liberation Sans");
    if (!QFontDatabase::families().contains(family))
        return;
    QFont::insertSubstitution(QStringLiteral("Arial"), family);
    QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), family);
    QFont font = app.font();
    font.setFamily(family);
    app.setFont(font);
}

}  // namespace platform::ui
