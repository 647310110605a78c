#include "main/core/windows/WindowPictures.h"

#include "main/core/subjects/TreeImages.h"

#include <gtest/gtest.h>

namespace {

// Every picture index the trees use has its compiled-in picture; others have none.
TEST(WindowPictures, EveryTreePictureIsThere)
{
    for (int image = subjects::images::TopClosed; image <= subjects::images::Failed; ++image) {
        SCOPED_TRACE(image);
        const QIcon icon = subjectTreePicture(image);
        ASSERT_FALSE(icon.isNull());
        EXPECT_FALSE(icon.pixmap(16, 16).toImage().isNull());
    }
    EXPECT_TRUE(subjectTreePicture(0).isNull());
    EXPECT_TRUE(subjectTreePicture(subjects::images::Failed + 1).isNull());
}

}  // namespace
