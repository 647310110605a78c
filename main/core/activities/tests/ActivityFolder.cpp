#include "ActivityFolder.h"

#include "TestEnvironment.h"
#include "platform/store/Store.h"
#include "common/schema/Schema.h"

#include <QBuffer>
#include <QFile>
#include <QImage>
#include <QPixmap>

namespace activitypanel::testing {

QByteArray pngOf(const QColor& colour, int width, int height)
{
    QImage image(width, height, QImage::Format_ARGB32);
    image.fill(colour);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

void addProgramOnly(const QString& folder, const QString& program)
{
    const QString path = testsupport::writeFile(folder + program, "#!/bin/sh\nexit 0\n");
    QFile::setPermissions(path, QFile::permissions(path) | QFileDevice::ExeOwner);
}

void addActivity(const QString& folder, const ActivityFixture& activity)
{
    addProgramOnly(folder, activity.program);
    platform::Store store = platform::Store::create(folder + activity.program + ".cfg");
    schema::createActivityConfigStore(store);
    store.execute("INSERT INTO tblCaptions (English, Spanish) VALUES ('Title', 'Titulo')");
    store.execute("INSERT INTO tblCaptions (English, Spanish) VALUES (?, ?)",
                  {activity.englishName, activity.spanishName});
    store.execute("INSERT INTO tblImages (bEnglish, bSpanish) VALUES (?, ?)",
                  {activity.englishNormal, activity.spanishNormal});
    store.execute("INSERT INTO tblImages (bEnglish, bSpanish) VALUES (?, ?)",
                  {activity.englishHighlighted, activity.spanishHighlighted});
}

QColor middleColour(const QPixmap& picture)
{
    const QImage image = picture.toImage();
    return image.pixelColor(image.width() / 2, image.height() / 2);
}

}  // namespace activitypanel::testing
