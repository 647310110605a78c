#include "main/core/windows/WindowPictures.h"

#include "main/core/subjects/TreeImages.h"
#include "platform/ui/SvgPicture.h"

#include <array>

namespace {
constexpr int kTreePictureSide = 32;  // drawn at 32 px, shown at the tree's icon size

const std::array<const char*, 11> kTreePictureNames = {
    "tree-top-closed",      "tree-top-open",           "tree-folder-closed", "tree-folder-open",
    "tree-subject",         "tree-subject-open",       "tree-custom-subject", "tree-custom-subject-open",
    "tree-phrase",          "tree-custom-phrase",      "tree-failed"};
}  // namespace

QPixmap windowBackground()
{
    return platform::ui::pictureResource(QStringLiteral("background"));
}

QPixmap editionLogo(int index, const QSize& size)
{
    if (index < 1 || index > kEditionLogoCount) return {};
    return platform::ui::pictureResource(QStringLiteral("logo%1").arg(index), size);
}

QIcon subjectTreePicture(int image)
{
    if (image < subjects::images::TopClosed || image > subjects::images::Failed) return {};
    return QIcon(platform::ui::pictureResource(QString::fromLatin1(kTreePictureNames[image - 1]),
                                               QSize(kTreePictureSide, kTreePictureSide)));
}
