// The configuration store the build ships for 02studybook holds every caption
// the activity shows, in both interface languages.
#include "activities/framework/config/ActivityConfig.h"

#include <QImage>

#include <gtest/gtest.h>

TEST(StudybookContent, EveryCaptionRowAndBothPicturesInBothLanguages)
{
    const QString store = QStringLiteral(STUDYBOOK_PROGRAM_DIR "/Activities/02studybook.cfg");
    for (const char* language : {"English", "Spanish"}) {
        const activityconfig::Captions captions = activityconfig::readCaptions(store, language);
        for (int row = 2; row <= 15; ++row)
            EXPECT_FALSE(captions(row).trimmed().isEmpty()) << language << " row " << row;
        const activityconfig::ButtonPictures pictures = activityconfig::readButtonPictures(store, language);
        for (const QByteArray& picture : {pictures.normal, pictures.highlighted}) {
            const QImage image = QImage::fromData(picture);
            EXPECT_FALSE(image.isNull()) << language;
            EXPECT_LE(image.width(), 160) << "the panel draws buttons at most 2400 twips wide";
            EXPECT_LE(image.height(), 40) << "and 600 twips high";
        }
    }
}
