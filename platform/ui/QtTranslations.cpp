#include "platform/ui/QtTranslations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QPointer>
#include <QTranslator>

namespace platform::ui {
namespace {

// The one Qt translation installed, owned by the application object; none while
// the interface is English.
QPointer<QTranslator>& installed()
{
    static QPointer<QTranslator> translator;
    return translator;
}

}  // namespace

QString qtTranslationsFolder() { return QLibraryInfo::path(QLibraryInfo::TranslationsPath); }

bool loadQtTranslations(const QString& interfaceLanguage, const QString& folder)
{
    QPointer<QTranslator>& current = installed();
    const bool spanish = interfaceLanguage == QLatin1String("Spanish");
    if (spanish == !current.isNull()) return true;

    delete current;  // its destructor takes it out of the application
    if (!spanish) return true;

    // The locale is named outright: the system's own never chooses Qt's texts.
    auto* translator = new QTranslator(QCoreApplication::instance());
    if (!translator->load(QLocale(QLocale::Spanish, QLocale::Spain), QStringLiteral("qtbase"), QStringLiteral("_"),
                          folder)) {
        delete translator;
        return false;
    }
    QCoreApplication::installTranslator(translator);
    current = translator;
    return true;
}

}  // namespace platform::ui
