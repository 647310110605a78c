#include "activities/framework/windows/FrameworkTexts.h"

namespace activity {

QString vendorWebAddress()
{
    return QStringLiteral("www.dravolin.example");
}

QString olderVersionText(const QString& activityName)
{
    const QString subject = activityName.isEmpty() ? QStringLiteral("this activity") : activityName;
    return QStringLiteral("Sorry but you are using an older version of %1 and it is not compatible with the other "
                          "modules. Please download a  FREE update from %2.")
        .arg(subject, vendorWebAddress());
}

QString studyListRefusedText(const QString& reason)
{
    return QStringLiteral("This activity cannot start: its study list could not be read (%1).\n"
                          "Please start it again from the main program.\n\n"
                          "Esta actividad no puede empezar: no se pudo leer su lista de estudio.\n"
                          "Vuelve a abrirla desde el programa principal.")
        .arg(reason);
}

QString scoreNotStoredText(const QString& interfaceLanguage)
{
    if (interfaceLanguage == QLatin1String("Spanish")) {
        return QStringLiteral("Lo sentimos, no se pudo guardar tu resultado.");
    }
    return QStringLiteral("Sorry, your result could not be saved.");
}

}  // namespace activity
