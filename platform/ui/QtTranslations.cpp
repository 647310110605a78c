#include "platform/ui/QtTranslations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QPointer>
#include <QTranslator>

namespace platform::ui {
namespace {

struct Installed {
    QPointer<QTranslator> translator;  // owned by the application object
    QString language = QStringLiteral("English");
};

Installed& installed()
{
    static Installed state;
    return state;
}

}  // namespace

QString qtTranslationsFolder() { return QLibraryInfo::path(QLibraryInfo::TranslationsPath); }

bool loadQtTranslations(const QString& interfaceLanguage, const QString& folder)
{
    Installed& state = installed();
    const QString language =
        interfaceLanguage == QLatin1String("Spanish") ? interfaceLanguage : QStringLiteral("English");
    if (language == state.language && (state.translator || language == QLatin1String("English")))
        return true;

    delete state.translator;  // its destructor takes it out of the application
    state.language = QStringLiteral("English");
    if (language == QLatin1String("English")) return true;

    // The locale is named outright: the system's own never chooses Qt's texts.
    auto* translator = new QTranslator(QCoreApplication::instance());
    if (!translator->load(QLocale(QLocale::Spanish, QLocale::Spain), QStringLiteral("qtbase"), QStringLiteral("_"),
                          folder)) {
        delete translator;
        return false;
    }
    QCoreApplication::installTranslator(translator);
    state.translator = translator;
    state.language = language;
    return true;
}

}  // namespace platform::ui
