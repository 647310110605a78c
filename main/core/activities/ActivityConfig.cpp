#include "main/core/activities/ActivityConfig.h"

#include "common/activityconfig/ActivityConfig.h"

#include <stdexcept>

namespace activitypanel {

namespace {

constexpr int kActivityNameRow = 2;

QImage decoded(const QByteArray& bytes, const QString& storePath, const char* which)
{
    QImage picture;
    if (!picture.loadFromData(bytes))
        throw std::runtime_error(
            QStringLiteral("The %1 picture in %2 cannot be read.").arg(QLatin1String(which), storePath).toStdString());
    return picture;
}

}  // namespace

QString configStorePath(const QString& activitiesDir, const QString& program)
{
    return activitiesDir + activityconfig::configStoreName(program.section(QLatin1Char('.'), 0, 0));
}

ActivityPictures readActivityPictures(const QString& storePath, const QString& interfaceLanguage)
{
    const activityconfig::ButtonPictures bytes = activityconfig::readButtonPictures(storePath, interfaceLanguage);
    return {decoded(bytes.normal, storePath, "normal"), decoded(bytes.highlighted, storePath, "highlighted")};
}

QString readActivityName(const QString& storePath, const QString& interfaceLanguage)
{
    try {
        return activityconfig::readCaptions(storePath, interfaceLanguage)(kActivityNameRow).trimmed();
    } catch (const std::exception&) {
        return {};
    }
}

}  // namespace activitypanel
